#include "platform/gio_notifications.h"

#include <giomm/appinfo.h>
#include <giomm/file.h>
#include <giomm/notification.h>
#include <giomm/simpleaction.h>

namespace tarravelle {
namespace {
constexpr const char* kOpenFolder = "open-folder";
}

GioNotifications::GioNotifications(Glib::RefPtr<Gio::Application> application)
    : application_(std::move(application)) {
  auto open = Gio::SimpleAction::create(kOpenFolder, Glib::VariantType("s"));
  open->signal_activate().connect([](const Glib::VariantBase& parameter) {
    const auto folder = Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(parameter);
    try {
      Gio::AppInfo::launch_default_for_uri(Gio::File::create_for_path(folder.get())->get_uri());
    } catch (const Glib::Error& error) {
      g_warning("the folder could not be opened: %s", error.what());
    }
  });
  application_->add_action(open);
}

void GioNotifications::Send(const Notice& notice) {
  auto notification = Gio::Notification::create(notice.title);
  notification->set_body(notice.body);
  if (!notice.folder.empty()) {
    const auto target = Glib::Variant<Glib::ustring>::create(notice.folder);
    const std::string action = std::string("app.") + kOpenFolder;
    notification->add_button_variant("Open Folder", action, target);
    notification->set_default_action_variant(action, target);
  }
  application_->send_notification(notice.id, notification);
}

}  // namespace tarravelle
