#include "app/program.h"

#include <glib-unix.h>
#include <glib.h>
#include <glibmm/main.h>

#include <csignal>

#include "app/form1.h"
#include "favorites/fav_dialog.h"
#include "favorites/list_file.h"

namespace tarravelle {
namespace {

// Stands in when the program has no media device: every command is refused.
class NoMediaDevice : public MediaControlDevice {
 public:
  MciReply SendString(const std::string&) override { return {mci::kCannotLoadDriver, {}}; }
};

}  // namespace

Program::Program(Services services, std::function<void(Gtk::Window&)> adopt,
                 std::function<void()> quit)
    : services_(std::move(services)),
      favoritesList_(FavoritesFilePath(services_.folder.Path(), services_.dataFolder),
                     services_.dataFolder),
      adopt_(std::move(adopt)),
      quit_(std::move(quit)) {
  if (!services_.mediaDevice) {
    noMediaDevice_ = std::make_unique<NoMediaDevice>();
    services_.mediaDevice = noMediaDevice_.get();
  }
  media_ = std::make_unique<MediaEngine>(*services_.mediaDevice);
  favoritesList_.GoTo.connect([this](const std::string& address) { GoToFavorite(address); });
  // What a save killed half-way left beside the list goes now, not only with the next save.
  RemoveStaleSaveFiles(favoritesList_.FilePath());
  RemoveStaleSaveFiles(favoritesList_.FilePath() + ".new");
}

Program::~Program() {
  for (const guint source : signalSources_) g_source_remove(source);
}

void Program::EndOnSignals() {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    signalSources_.push_back(g_unix_signal_add(
        signal,
        [](gpointer self) -> gboolean {
          auto& program = *static_cast<Program*>(self);
          if (auto* first = program.FirstWindow()) {
            first->mnuFileClose_Click();
          } else {
            program.End();
          }
          return G_SOURCE_CONTINUE;
        },
        this));
  }
}

frmFav& Program::LoadFavoritesDialog() {
  if (!favorites_) {
    favorites_ = std::make_unique<frmFav>(frmFav::Services{
        .list = favoritesList_,
        .prompts = services_.prompts,
        .stacking = services_.stacking,
        .owner = FirstWindow(),
        .unload = [this] { UnloadFavoritesDialog(); },
    });
    adopt_(*favorites_);
  }
  return *favorites_;
}

void Program::ShowFavorites() {
  if (!ended_) LoadFavoritesDialog().present();
}

void Program::UnloadFavoritesDialog() {
  if (!favorites_) return;
  unloading_.Take(std::move(favorites_));
  favoritesList_.Unload();
}

// A favourite always opens in the first main window, whichever window's menu showed the dialog.
void Program::GoToFavorite(const std::string& address) {
  if (auto* first = FirstWindow()) {
    first->cboURL.get_entry()->set_text(address);
    first->wWeb->Navigate(address);
  }
}

void Program::PrepareMainWindow() {
  // Only ahead of the first window: a click on the splash may have been quicker.
  if (prepared_ || ended_ || !windows_.empty()) return;
  prepared_ = std::make_unique<Form1>(*this);
  // Its styles and sizes are worked out now rather than at the first show.
  gtk_widget_realize(GTK_WIDGET(static_cast<Gtk::Window&>(*prepared_).gobj()));
  prepared_->wWeb->Prepare();
}

Form1& Program::ShowNewMainWindow() {
  auto& form =
      *windows_.emplace_back(prepared_ ? std::move(prepared_) : std::make_unique<Form1>(*this));
  adopt_(form);
  form.Form_Load();
  if (services_.stacking) services_.stacking->PlaceInCentre(form);
  form.present();
  // The last run's favourites went elsewhere: the first window says where.
  if (windows_.size() == 1) {
    if (const auto note = TakeSavedElsewhereNote(services_.dataFolder)) {
      services_.prompts.MsgBox(&form, *note, "Favorites", MsgIcon::Exclamation, MsgButtons::OK);
    }
  }
  return form;
}

int Program::DownloadsRunning() const {
  int running = 0;
  for (const auto& window : windows_) {
    running += window->wWeb->DownloadsRunning() + window->WB1->DownloadsRunning();
  }
  return running;
}

Form1* Program::FirstWindow() const { return windows_.empty() ? nullptr : windows_.front().get(); }

void Program::End() {
  if (ended_) return;
  ended_ = true;
  if (favoritesList_.Dirty()) {
    std::string why;
    if (const auto elsewhere = favoritesList_.SaveAnywhere(why)) {
      LeaveSavedElsewhereNote(services_.dataFolder, *elsewhere);
    } else if (favoritesList_.Dirty()) {
      g_warning("favourites not saved to %s: %s", favoritesList_.SavePath().c_str(), why.c_str());
    }
  }
  if (favorites_) favorites_->hide();
  for (auto& window : windows_) window->hide();
  quit_();
}

}  // namespace tarravelle
