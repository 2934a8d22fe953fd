#include "platform/desktop_shell.h"

#include <gdk/gdk.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

constexpr std::string_view kMailNews = "C:\\Program Files\\Outlook Express\\MSIMN.EXE";
constexpr std::string_view kAddressBook = "C:\\Program Files\\Outlook Express\\wab.exe";
constexpr std::string_view kInternetOptions = "rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl";
constexpr std::string_view kExplorer = "explorer ";

using AppInfoPtr = GObjectPtr<GAppInfo>;

// The first installed application of a desktop category.
AppInfoPtr FindByCategory(const char* category) {
  GList* all = g_app_info_get_all();
  AppInfoPtr found;
  for (GList* item = all; item; item = item->next) {
    auto* info = static_cast<GAppInfo*>(item->data);
    if (!found && G_IS_DESKTOP_APP_INFO(info) && g_app_info_should_show(info)) {
      const char* categories = g_desktop_app_info_get_categories(G_DESKTOP_APP_INFO(info));
      const std::string list = std::string(";") + (categories ? categories : "") + ";";
      if (list.find(std::string(";") + category + ";") != std::string::npos) {
        found.reset(G_APP_INFO(g_object_ref(info)));
      }
    }
  }
  g_list_free_full(all, g_object_unref);
  return found;
}

GObjectPtr<GAppLaunchContext> LaunchContext(WindowStyle style) {
  if (style == WindowStyle::MinimizedFocus || style == WindowStyle::NormalNoFocus ||
      style == WindowStyle::Hidden) {
    return nullptr;
  }
  GdkDisplay* display = gdk_display_get_default();
  if (!display) return nullptr;
  return GObjectPtr<GAppLaunchContext>(
      G_APP_LAUNCH_CONTEXT(gdk_display_get_app_launch_context(display)));
}

ShellResult Launch(GAppInfo* app, const char* uri, WindowStyle style, const std::string& none) {
  if (!app) return {false, none};
  GList uris{const_cast<char*>(uri), nullptr, nullptr};
  const auto context = LaunchContext(style);
  GError* failure = nullptr;
  const bool started = uri ? g_app_info_launch_uris(app, &uris, context.get(), &failure)
                           : g_app_info_launch(app, nullptr, context.get(), &failure);
  const GErrorPtr error(failure);
  if (started) return {true, {}};
  return {false, error ? error->message : "it did not start"};
}

}  // namespace

std::vector<std::string> DesktopShell::DefaultNetworkSettings() {
  return {
      "gnome-network-panel.desktop",  "org.gnome.Settings.desktop", "gnome-control-center.desktop",
      "nm-connection-editor.desktop", "kcm_proxy.desktop",          "systemsettings.desktop",
      "xfce-network-settings.desktop"};
}

DesktopShell::DesktopShell(std::vector<std::string> networkSettings)
    : networkSettings_(std::move(networkSettings)) {}

ShellResult DesktopShell::Start(const std::string& commandLine, WindowStyle style) {
  if (commandLine == kMailNews) {
    AppInfoPtr mail(g_app_info_get_default_for_uri_scheme("mailto"));
    if (!mail) mail = FindByCategory("Email");
    return Launch(mail.get(), nullptr, style, "no mail program is installed");
  }
  if (commandLine == kAddressBook) {
    const AppInfoPtr contacts = FindByCategory("ContactManagement");
    return Launch(contacts.get(), nullptr, style, "no address book is installed");
  }
  if (commandLine == kInternetOptions) {
    for (const auto& id : networkSettings_) {
      const AppInfoPtr settings(G_APP_INFO(g_desktop_app_info_new(id.c_str())));
      if (settings) return Launch(settings.get(), nullptr, style, {});
    }
    return {false, "no network settings program is installed"};
  }
  if (commandLine.starts_with(kExplorer)) {
    // The shell opens what follows with the default handler of its kind.
    const std::string target = commandLine.substr(kExplorer.size());
    const GCharPtr scheme(g_uri_parse_scheme(target.c_str()));
    if (!scheme) return {false, "\"" + target + "\" is not an address"};
    const AppInfoPtr handler(g_app_info_get_default_for_uri_scheme(scheme.get()));
    return Launch(handler.get(), target.c_str(), style,
                  "no program opens " + std::string(scheme.get()) + ": addresses");
  }
  return {false, "\"" + commandLine + "\" is not a program of this desktop"};
}

}  // namespace tarravelle
