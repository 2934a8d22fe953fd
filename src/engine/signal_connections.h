#pragma once

#include <glib-object.h>

#include <memory>
#include <vector>

namespace tarravelle {

// The handlers that one C++ object has connected to C signals, disconnected when it goes, so no
// callback can reach an object that no longer exists. A signal source that has gone first is
// left alone.
class SignalConnections {
 public:
  // One signal of a table of them: its name and handler.
  struct Signal {
    const char* name;
    GCallback handler;
  };

  SignalConnections() = default;
  ~SignalConnections() { DisconnectAll(); }
  SignalConnections(const SignalConnections&) = delete;
  SignalConnections& operator=(const SignalConnections&) = delete;

  void Connect(gpointer instance, const char* signal, GCallback handler, gpointer data) {
    auto entry = std::make_unique<Entry>();
    g_weak_ref_init(&entry->instance, instance);
    entry->id = g_signal_connect(instance, signal, handler, data);
    entries_.push_back(std::move(entry));
  }

  template <typename Table>
  void ConnectAll(gpointer instance, const Table& table, gpointer data) {
    for (const Signal& signal : table) Connect(instance, signal.name, signal.handler, data);
  }

  void DisconnectAll() {
    for (auto& entry : entries_) {
      if (GObject* instance = static_cast<GObject*>(g_weak_ref_get(&entry->instance))) {
        g_signal_handler_disconnect(instance, entry->id);
        g_object_unref(instance);
      }
      g_weak_ref_clear(&entry->instance);
    }
    entries_.clear();
  }

 private:
  // A weak reference must stay where it was made, so each lives on its own.
  struct Entry {
    GWeakRef instance;
    gulong id = 0;
  };
  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace tarravelle
