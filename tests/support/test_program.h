#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/program.h"
#include "platform/key_file_settings.h"
#include "platform/x11_window_stacking.h"
#include "support/fake_engine.h"
#include "support/fake_media_device.h"
#include "support/fake_prompts.h"
#include "support/fake_shell.h"
#include "support/fake_special_folders.h"
#include "support/temp_dir.h"

namespace tarravelle::test {

// A program with fake engines and prompts, a settings file and program folder in a temporary
// folder, and a quit that is only counted.
class TestProgram {
 public:
  // `settings` is the content of the settings file; none is written when it is empty.
  explicit TestProgram(const std::string& settings = {});

  Program& program() { return *program_; }
  // Where the program's own folder is; settings entries use it as their application name.
  const std::string& folder() const { return folder_; }
  // Ends this run's program and starts another over the same folders, as the next start does.
  void Restart();
  // Opens a main window as the splash screen would.
  Form1& ShowMainWindow() { return program_->ShowNewMainWindow(); }
  // The page view and side pane of the n-th main window.
  FakeEngine& Page(size_t window = 0) { return *engines_.at(2 * window); }
  FakeEngine& Pane(size_t window = 0) { return *engines_.at(2 * window + 1); }

  TempDir dir;
  KeyFileSettings settings{dir.File("settings.ini")};
  X11WindowStacking stacking;
  FakePrompts prompts;
  FakeShell shell;
  FakeSpecialFolders specialFolders;
  FakeMediaDevice media;
  int quits = 0;

 private:
  void Start();

  std::string folder_;
  std::vector<FakeEngine*> engines_;  // owned by the windows
  std::unique_ptr<Program> program_;
};

}  // namespace tarravelle::test
