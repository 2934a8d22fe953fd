#pragma once

#include <sigc++/connection.h>
#include <sigc++/trackable.h>

#include <memory>
#include <string>

#include "player/media_engine.h"

namespace tarravelle {

class Form1;
class Program;

inline constexpr const char* kMediaFilter =
    "MP3 Files|*.mp3|MPEG Files|*.mpeg|MPG File|*.mpg|ASF Files|*.asf|VCD DAT Files|*.dat|"
    "DVD VOB Files|*.vob|AVI(DivX) Files|*.avi";

// The player panel of a main window: its buttons drive the program's one media engine, and its
// counter timer shows the engine's progress in this window's labels.
class PlayerPanel : public sigc::trackable {
 public:
  PlayerPanel(Form1& form, Program& program);
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

 private:
  // Writes the engine's texts into this window's labels, only where they change.
  class Labels : public PlayerLabels {
   public:
    explicit Labels(Form1& form) : form_(form) {}
    void SetCaption(const std::string& text) override;
    void SetTotalTime(const std::string& text) override;
    void SetTotalFrames(const std::string& text) override;
    void SetCurrentFrame(const std::string& text) override;

   private:
    Form1& form_;
  };

  void LoadFile(const std::string& path);
  void SetTimer(bool enabled);

  Form1& form_;
  Program& program_;
  MediaEngine& engine_;
  Labels labels_;
  sigc::connection timer_;
  // Lets an answer of the file chooser that comes after this panel has gone find nothing.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tarravelle
