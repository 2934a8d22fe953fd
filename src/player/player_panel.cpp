#include "player/player_panel.h"

#include <glibmm/main.h>

#include <algorithm>

#include "ui/counter_text.h"

namespace tarravelle {
namespace {

// How long an open may take before the state label says the file is opening.
constexpr unsigned kOpeningCaptionDelayMs = 150;
// The counters' interval while the media's frame length is not known: about one frame of the
// display.
constexpr unsigned kTickWithoutLengthMs = 16;
constexpr unsigned kLongestTickMs = 500;

}  // namespace

void PlayerPanel::Labels::SetCaption(const std::string& text) {
  SetCounterText(form_.lblcaption, text);
}
void PlayerPanel::Labels::SetTotalTime(const std::string& text) {
  SetCounterText(form_.lblTime, text);
}
void PlayerPanel::Labels::SetTotalFrames(const std::string& text) {
  SetCounterText(form_.lblFrame, text);
}
void PlayerPanel::Labels::SetCurrentFrame(const std::string& text) {
  SetCounterText(form_.lbl, text);
}

PlayerPanel::PlayerPanel(Form1Controls& form, Prompts& prompts, MediaEngine& engine)
    : form_(form), prompts_(prompts), engine_(engine), labels_(form) {
  form.cmdeject.signal_clicked().connect([this] { cmdeject_Click(); });
  form.cmdPlay.signal_clicked().connect([this] { cmdPlay_Click(); });
  form.cmdpause.signal_clicked().connect([this] { cmdpause_Click(); });
  form.cmdstop2.signal_clicked().connect([this] { cmdstop2_Click(); });
  form.cmdclose2.signal_clicked().connect([this] { cmdclose2_Click(); });
  form.cmdforward2.signal_clicked().connect([this] { cmdforward2_Click(); });
  form.cmdrewind.signal_clicked().connect([this] { cmdrewind_Click(); });
  form.Menu("mnuTarravelle").signal_click().connect([this](int) { mnuTarravelle_Click(); });
}

PlayerPanel::~PlayerPanel() {
  lifetime_.End();
  timer_.disconnect();
  opening_.disconnect();
}

unsigned PlayerPanel::TickMs() const {
  // The frame counter is the fastest-changing label. Asking twice per frame of the media shows
  // every frame number; asking more often would only find the same position again, and every
  // wake-up costs. Without known lengths, the counters are asked at about the display's rate.
  if (engine_.TotalFrames <= 0 || engine_.TotalMs <= 0) return kTickWithoutLengthMs;
  const double frameMs = static_cast<double>(engine_.TotalMs) / engine_.TotalFrames;
  return static_cast<unsigned>(std::clamp(frameMs / 2, 1.0, double{kLongestTickMs}));
}

void PlayerPanel::SetTimer(bool enabled) {
  if (enabled == TimerEnabled()) return;
  if (!enabled) {
    timer_.disconnect();
    return;
  }
  timer_ = Glib::signal_timeout().connect(
      [this] {
        Timer_Timer();
        return true;
      },
      TickMs());
}

void PlayerPanel::cmdeject_Click() {
  auto busy = [this] {
    prompts_.MsgBox(&form_.window, "Sonavelle is busy right now!", "Sonavelle",
                    MsgIcon::Exclamation, MsgButtons::OK);
  };
  if (engine_.IsPlaying || engine_.Opening) {
    busy();
    return;
  }
  // The media device gets ready while the person chooses.
  engine_.Prepare();
  prompts_.ChooseOpenFile(&form_.window, kMediaFilter,
                          lifetime_.Guard([this, busy](std::optional<std::string> path) {
                            if (!path || path->empty()) return;
                            // Another window may have started playing while the chooser was open.
                            if (engine_.IsPlaying || engine_.Opening) {
                              busy();
                              return;
                            }
                            LoadFile(*path);
                          }));
}

void PlayerPanel::LoadFile(const std::string& path) {
  // The path is put between double quotes in every command; one inside it would end the name
  // early and turn the rest into words of the command.
  if (path.find('"') != std::string::npos) {
    prompts_.MsgBox(
        &form_.window,
        "Sonavelle cannot play \"" + path + "\": its name contains a double quote (\").",
        "Sonavelle", MsgIcon::Exclamation, MsgButtons::OK);
    return;
  }
  // A paused or stopped file is still open on the device, which would refuse to open it again;
  // it is let go before the next file opens.
  if (!engine_.MediaFile.empty()) engine_.ReleaseMedia();
  engine_.MediaFile = "\"" + path + "\"";
  engine_.OpenMedia([this, alive = lifetime_.Watched(), path](const MciReply& opened) {
    if (!alive.Alive()) {
      // The window that asked has gone: nothing is left to play it in.
      engine_.ReleaseMedia();
      return;
    }
    opening_.disconnect();
    Opened(path, opened);
  });
  // Most files are ready at once; a slow one says what the player is doing.
  if (engine_.Opening) {
    opening_ = Glib::signal_timeout().connect(
        [this] {
          if (engine_.Opening) labels_.SetCaption("Opening...");
          return false;
        },
        kOpeningCaptionDelayMs);
  }
}

void PlayerPanel::Opened(const std::string& path, const MciReply& opened) {
  if (opened.code != 0) {
    // Nothing plays: the player says why, lets go of the file and is closed, so Eject works.
    engine_.ReleaseMedia();
    labels_.SetCaption("[ No Media ]");
    cmdclose2_Click();
    std::string why = opened.text.empty() ? "the file cannot be opened" : opened.text;
    if (!why.ends_with('.')) why += '.';
    prompts_.MsgBox(&form_.window, "Sonavelle cannot play \"" + path + "\": " + why, "Sonavelle",
                    MsgIcon::Exclamation, MsgButtons::OK);
    return;
  }
  engine_.PlayMedia(labels_);
  engine_.ReadTimeLength();
  engine_.ReadFrameLength();
  SetTimer(true);
}

void PlayerPanel::cmdPlay_Click() {
  engine_.PlayMedia(labels_);
  SetTimer(true);
}

void PlayerPanel::cmdpause_Click() {
  engine_.PauseMedia(labels_);
  SetTimer(false);
}

void PlayerPanel::cmdstop2_Click() {
  engine_.StopMedia(labels_);
  SetTimer(false);
}

void PlayerPanel::cmdclose2_Click() {
  if (engine_.Opening) {
    // Close gives up a file that is still getting ready.
    opening_.disconnect();
    engine_.ReleaseMedia();
    labels_.SetCaption("[ No Media ]");
  }
  engine_.CloseMedia(labels_);
  SetTimer(false);
  SetCounterText(form_.lblTime, "Total Time: 00:00");
  SetCounterText(form_.lblFrame, "Total Frm: 00");
  SetCounterText(form_.lbl, "Current Frm: 00");
}

void PlayerPanel::cmdforward2_Click() { engine_.SkipForward(); }
void PlayerPanel::cmdrewind_Click() { engine_.SkipBack(); }
void PlayerPanel::Timer_Timer() { engine_.ShowProgress(labels_); }

void PlayerPanel::mnuTarravelle_Click() {
  auto& item = form_.Menu("mnuTarravelle");
  const bool show = !item.Checked();
  for (Gtk::Widget* control : std::initializer_list<Gtk::Widget*>{
           &form_.cmdPlay, &form_.cmdstop2, &form_.cmdpause, &form_.cmdclose2, &form_.cmdrewind,
           &form_.cmdforward2, &form_.cmdeject, &form_.lbl, &form_.lblTime, &form_.lblcaption,
           &form_.Label1, &form_.lblFrame}) {
    control->set_visible(show);
  }
  item.SetChecked(show);
}

}  // namespace tarravelle
