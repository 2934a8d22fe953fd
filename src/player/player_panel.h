#pragma once

#include <sigc++/connection.h>
#include <sigc++/trackable.h>

#include <memory>
#include <string>

#include "player/media_engine.h"
#include "ports/lifetime.h"
#include "ports/prompts.h"
#include "ui/form1_controls.h"

namespace tarravelle {

inline constexpr const char* kMediaFilter =
    "MP3 Files|*.mp3|MPEG Files|*.mpeg|MPG File|*.mpg|ASF Files|*.asf|VCD DAT Files|*.dat|"
    "DVD VOB Files|*.vob|AVI(DivX) Files|*.avi";

// The player panel of a main window: its buttons drive the program's one media engine, and its
// counter timer shows the engine's progress in this window's labels.
class PlayerPanel : public sigc::trackable {
 public:
  PlayerPanel(Form1Controls& form, Prompts& prompts, MediaEngine& engine);
  ~PlayerPanel();

  void cmdeject_Click();
  void cmdPlay_Click();
  void cmdpause_Click();
  void cmdstop2_Click();
  void cmdclose2_Click();
  void cmdforward2_Click();
  void cmdrewind_Click();
  void Timer_Timer();
  void mnuTarravelle_Click();

  bool TimerEnabled() const { return timer_.connected(); }
  // The counter timer's interval: half a frame of the media that is loaded.
  unsigned TickMs() const;

 private:
  // Writes the engine's texts into this window's labels, only where they change.
  class Labels : public PlayerLabels {
   public:
    explicit Labels(Form1Controls& form) : form_(form) {}
    void SetCaption(const std::string& text) override;
    void SetTotalTime(const std::string& text) override;
    void SetTotalFrames(const std::string& text) override;
    void SetCurrentFrame(const std::string& text) override;

   private:
    Form1Controls& form_;
  };

  void LoadFile(const std::string& path);
  // The answer of the open LoadFile sent: play the file, or say why not.
  void Opened(const std::string& path, const MciReply& opened);
  void SetTimer(bool enabled);

  Form1Controls& form_;
  Prompts& prompts_;
  MediaEngine& engine_;
  Labels labels_;
  sigc::connection timer_;
  // Shows "Opening..." when an open takes more than a moment.
  sigc::connection opening_;
  // Lets an answer of the file chooser that comes after this panel has gone find nothing.
  Lifetime lifetime_;
};

}  // namespace tarravelle
