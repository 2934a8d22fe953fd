#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

namespace tarravelle {

ProgramFolder::ProgramFolder(std::string path) : path_(std::move(path)) {
  while (path_.size() > 1 && path_.back() == '/') path_.pop_back();
}

ProgramFolder ProgramFolder::OfRunningProgram() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return ProgramFolder(std::filesystem::current_path(error).string());
  return ProgramFolder(exe.parent_path().string());
}

}  // namespace tarravelle
