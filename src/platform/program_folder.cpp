#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

namespace tarravelle {

ProgramFolder RunningProgramFolder() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return ProgramFolder(std::filesystem::current_path(error).string());
  return ProgramFolder(exe.parent_path().string());
}

}  // namespace tarravelle
