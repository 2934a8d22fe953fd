#pragma once

#include <giomm/application.h>

#include "ports/notifications.h"

namespace tarravelle {

// The desktop's notifications through GIO's GNotification (which GNOME's shell shows), sent by
// the running application; "Open Folder" opens the folder with the desktop's file manager.
class GioNotifications : public Notifications {
 public:
  explicit GioNotifications(Glib::RefPtr<Gio::Application> application);
  void Send(const Notice& notice) override;

 private:
  Glib::RefPtr<Gio::Application> application_;
};

}  // namespace tarravelle
