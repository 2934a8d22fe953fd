#pragma once

#include <memory>
#include <utility>

namespace tarravelle {

// The life of an object whose callbacks may be answered after it has gone (a dialog answered
// late, an idle call, a clipboard read): each callback carries a watch of it and runs only while
// the object is there.
class Lifetime {
 public:
  class Watch {
   public:
    bool Alive() const {
      const auto alive = alive_.lock();
      return alive && *alive;
    }

   private:
    friend class Lifetime;
    explicit Watch(std::weak_ptr<bool> alive) : alive_(std::move(alive)) {}
    std::weak_ptr<bool> alive_;
  };

  Lifetime() = default;
  Lifetime(const Lifetime&) = delete;
  Lifetime& operator=(const Lifetime&) = delete;

  Watch Watched() const { return Watch(alive_); }
  // Ends the life before the owner has gone, for a destructor whose members must no longer be
  // reached.
  void End() { *alive_ = false; }
  // `callback`, made to run only while the owner lives.
  template <typename Callback>
  auto Guard(Callback callback) const {
    return [watch = Watched(), callback = std::move(callback)](auto&&... args) mutable {
      if (watch.Alive()) callback(std::forward<decltype(args)>(args)...);
    };
  }

 private:
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tarravelle
