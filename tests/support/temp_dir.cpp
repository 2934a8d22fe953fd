#include "support/temp_dir.h"

#include <glib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace tarravelle::test {

TempDir::TempDir() {
  GError* error = nullptr;
  char* path = g_dir_make_tmp("tarravelle-test-XXXXXX", &error);
  if (!path) {
    std::string message = error->message;
    g_error_free(error);
    throw std::runtime_error(message);
  }
  path_ = path;
  g_free(path);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& content) const {
  const std::string path = File(name);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

}  // namespace tarravelle::test
