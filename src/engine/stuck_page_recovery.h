#pragma once

#include <sigc++/connection.h>
#include <webkit/webkit.h>

#include <functional>
#include <string>

namespace tarravelle {

// A page that does not answer (a script in an endless loop) would hold every new navigation, so
// the person always gets out: a navigation asked for is remembered until it is under way, and
// when the page stops answering meanwhile its web process is ended and the navigation made
// again. A page that stays unresponsive with nothing asked of it is told through `notice`.
class StuckPageRecovery {
 public:
  StuckPageRecovery(WebKitWebView* view, std::function<void(const std::string&)> notice);
  ~StuckPageRecovery();
  StuckPageRecovery(const StuckPageRecovery&) = delete;
  StuckPageRecovery& operator=(const StuckPageRecovery&) = delete;

  // Before a navigation: a page known not to answer has its web process ended first.
  void Unstick();
  // Before a navigation: the page's web process is ended whatever it does.
  void End();
  // A navigation is asked for; `again` makes it again if the page holds it up.
  void Expect(std::function<void()> again) { retry_ = std::move(again); }
  // The navigation is under way: nothing to make again.
  void Committed() { retry_ = nullptr; }
  // The view's web process answers, or no longer does.
  void ResponsivenessChanged();
  // The view's web process ended: true when this recovery ended it (a navigation follows).
  bool TakeOwnEnding();

 private:
  WebKitWebView* view_;
  std::function<void(const std::string&)> notice_;
  std::function<void()> retry_;
  bool ending_ = false;
  sigc::connection unresponsive_;
};

}  // namespace tarravelle
