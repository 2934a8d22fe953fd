// Tarravelle: creates the desktop services, shows the splash screen, and hands over to the
// first main window.
#include <glibmm/main.h>
#include <glibmm/miscutils.h>
#include <gtkmm/application.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

#include "app/form1.h"
#include "app/program.h"
#include "app/program_resources.h"
#include "dialogs/splash.h"
#include "engine/webkit_engine.h"
#include "favorites/folder_pages.h"
#include "platform/desktop_shell.h"
#include "platform/desktop_special_folders.h"
#include "platform/gio_notifications.h"
#include "platform/gst_media_device.h"
#include "platform/gtk_prompts.h"
#include "platform/history_store.h"
#include "platform/key_file_settings.h"
#include "platform/program_folder.h"
#include "platform/x11_window_stacking.h"
#include "start/process_clock.h"
#include "start/renderer_choice.h"
#include "ui/marked_buttons.h"

namespace {

// The real services, made once the application runs and kept until it has ended.
struct Running {
  tarravelle::GtkPrompts prompts;
  tarravelle::KeyFileSettings settings{tarravelle::KeyFileSettings::DefaultPath()};
  tarravelle::X11WindowStacking stacking;
  tarravelle::DesktopShell shell;
  std::unique_ptr<tarravelle::WebEngineSession> session;
  std::unique_ptr<tarravelle::DesktopSpecialFolders> folders;
  std::unique_ptr<tarravelle::HistoryStore> history;
  std::unique_ptr<tarravelle::FolderPages> folderPages;
  std::unique_ptr<tarravelle::GstMediaDevice> media;
  std::unique_ptr<tarravelle::GioNotifications> notifications;
  std::unique_ptr<tarravelle::Program> program;
  std::unique_ptr<tarravelle::frmSplash> splash;
};

}  // namespace

int main(int, char* argv[]) {
  using namespace tarravelle;
  auto app =
      Gtk::Application::create("org.tarravelle.Tarravelle", Gio::Application::Flags::NON_UNIQUE);
  Running running;

  app->signal_activate().connect([&] {
    if (running.program) return;
    NameMarkedButtonsOfEveryWindow();
    LoadProgramResources();
    ChooseRendererForDisplay();
    // The program ends only through Program::End, never because no window happens to be open
    // while the splash hands over.
    app->hold();
    const std::string dataFolder = Glib::build_filename(Glib::get_user_data_dir(), "tarravelle");
    // "Page Memory Limit" (MiB) of the engine's settings overrides the quarter of the memory.
    const std::string limit =
        running.settings.GetSetting(kEngineSettingsApplication, "Main", "Page Memory Limit");
    running.session = std::make_unique<WebEngineSession>(
        dataFolder, static_cast<unsigned>(std::strtoul(limit.c_str(), nullptr, 10)));
    running.folders = std::make_unique<DesktopSpecialFolders>(dataFolder);
    running.history = std::make_unique<HistoryStore>(running.folders->HistoryDatabase());
    running.folderPages = std::make_unique<FolderPages>(running.history.get());
    running.media = std::make_unique<GstMediaDevice>();
    running.notifications = std::make_unique<GioNotifications>(app);
    Services services{
        .settings = running.settings,
        .folder = RunningProgramFolder(),
        .prompts = running.prompts,
        .shell = &running.shell,
        .makeEngine =
            [&] {
              const std::string folder = running.program->services().folder.Path();
              return MakeWebKitEngine(
                  *running.session,
                  {.settings = running.settings,
                   .history = running.history.get(),
                   .folderPages = running.folderPages.get(),
                   .prompts = &running.prompts,
                   .settingsFile = running.settings.Path(),
                   .homePage = running.settings.GetSetting(folder, kHomePageSection, kHomePageKey),
                   .homePageGroup = folder + "\\" + kHomePageSection,
                   .notifications = running.notifications.get()});
            },
        .dataFolder = dataFolder,
        .specialFolders = running.folders.get(),
        .mediaDevice = running.media.get(),
        .stacking = &running.stacking,
    };
    running.program = std::make_unique<Program>(
        std::move(services), [&](Gtk::Window& window) { app->add_window(window); },
        [&] { app->quit(); });
    running.program->EndOnSignals();
    // The splash hands over four seconds after the program started, whatever the desktop took
    // to open the display and the program to get ready: the wait is the same on a slow start.
    const unsigned started = std::min(MsSinceProcessStarted(), frmSplash::kHandOverMs);
    running.splash = std::make_unique<frmSplash>(
        [&] {
          // Monotonic microseconds, for scripts that time the start-up (bench/startup.sh).
          g_debug("splash handed over at %" G_GINT64_FORMAT, g_get_monotonic_time());
          auto& form = running.program->ShowNewMainWindow();
          // Lets scripts (make run) know when the first page has been drawn.
          form.wWeb->DocumentComplete.connect([](const EngineFrame&, const std::string& url) {
            g_debug("document complete: %s", url.c_str());
          });
        },
        frmSplash::kHandOverMs - started);
    app->add_window(*running.splash);
    running.stacking.PlaceInCentre(*running.splash);
    running.splash->present();
    // The first main window and its page engine are made while the splash shows, once the
    // splash has been drawn; the hand-over then only shows it and runs its load step.
    Glib::signal_idle().connect_once([&] { running.program->PrepareMainWindow(); },
                                     Glib::PRIORITY_LOW);
  });

  // No command-line arguments are taken.
  const int status = app->run(1, argv);
  running.splash.reset();
  running.program.reset();
  return status;
}
