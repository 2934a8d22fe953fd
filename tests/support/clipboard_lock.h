#pragma once

#include <fcntl.h>
#include <glib.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>

namespace tarravelle::test {

// Holds the display's clipboard for one test: tests that run side by side on one display share
// its clipboard, and one test's copy would land in another's paste. Taken for the test's life.
class ClipboardLock {
 public:
  ClipboardLock() {
    const std::string path = std::string(g_get_tmp_dir()) + "/tarravelle-tests-clipboard.lock";
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) flock(fd_, LOCK_EX);
  }
  ~ClipboardLock() {
    if (fd_ >= 0) close(fd_);
  }
  ClipboardLock(const ClipboardLock&) = delete;
  ClipboardLock& operator=(const ClipboardLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace tarravelle::test
