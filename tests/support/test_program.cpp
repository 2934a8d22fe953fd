#include "support/test_program.h"

#include <filesystem>

namespace tarravelle::test {

TestProgram::TestProgram(const std::string& settings) {
  folder_ = dir.File("program");
  std::filesystem::create_directories(folder_);
  if (!settings.empty()) dir.Write("settings.ini", settings);
  Start();
}

void TestProgram::Restart() {
  program_.reset();
  engines_.clear();
  Start();
}

void TestProgram::Start() {
  Services services{
      .settings = this->settings,
      .folder = ProgramFolder(folder_),
      .prompts = prompts,
      .shell = &shell,
      .makeEngine =
          [this] {
            auto engine = std::make_unique<FakeEngine>();
            engines_.push_back(engine.get());
            return engine;
          },
      .dataFolder = dir.File("data"),
      .specialFolders = &specialFolders,
      .mediaDevice = &media,
      .stacking = &stacking,
  };
  program_ = std::make_unique<Program>(
      std::move(services), [](Gtk::Window&) {}, [this] { ++quits; });
}

}  // namespace tarravelle::test
