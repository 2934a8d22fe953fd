#include "favorites/list_file.h"

#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

// Code points of bytes 0x80 to 0x9F in Windows-1252; the rest of the page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  char buffer[6];
  const int length = g_unichar_to_utf8(static_cast<gunichar>(c), buffer);
  out.append(buffer, static_cast<size_t>(length));
}

}  // namespace

std::string Windows1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const unsigned char byte : bytes) {
    if (byte < 0x80) {
      out += static_cast<char>(byte);
    } else if (byte < 0xA0) {
      AppendUtf8(out, kHighControls[byte - 0x80]);
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

namespace {

// The whole file, when it is a regular one that can be read; otherwise nothing and the reason
// (empty when there is no file).
std::optional<std::string> ReadRegularFile(const std::string& path, std::string& why) {
  why.clear();
  GStatBuf info;
  if (g_stat(path.c_str(), &info) != 0) {
    if (errno != ENOENT) why = g_strerror(errno);
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) {
    why = "not a regular file";
    return std::nullopt;
  }
  // Without blocking: what was checked above may have been swapped for a pipe since.
  const int fd = g_open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
  if (fd < 0) {
    why = g_strerror(errno);
    return std::nullopt;
  }
  std::string content;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    why = "not a regular file";
    close(fd);
    return std::nullopt;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) {
      content.append(buffer, static_cast<size_t>(got));
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      why = g_strerror(errno);
      close(fd);
      return std::nullopt;
    }
  }
  close(fd);
  return content;
}

std::string DecodeLine(std::string line) {
  std::erase(line, '\0');
  if (g_utf8_validate(line.data(), static_cast<gssize>(line.size()), nullptr)) return line;
  return Windows1252ToUtf8(line);
}

}  // namespace

bool LoadListFromFile(std::vector<std::string>& list, const std::string& path, bool clearFirst,
                      std::string* why) {
  std::string reason;
  const auto content = ReadRegularFile(path, reason);
  if (why) *why = reason;
  if (!content) return false;

  if (clearFirst) list.clear();
  size_t start = 0;
  while (start < content->size()) {
    const size_t end = content->find_first_of("\r\n", start);
    if (end == std::string::npos) {
      list.push_back(DecodeLine(content->substr(start)));
      break;
    }
    list.push_back(DecodeLine(content->substr(start, end - start)));
    start =
        end + (((*content)[end] == '\r' && end + 1 < content->size() && (*content)[end + 1] == '\n')
                   ? 2
                   : 1);
  }
  return true;
}

namespace {

// The file a path names, through any symbolic links, so that a link stays a link.
std::string FollowLinks(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops < 16 && g_file_test(target.c_str(), G_FILE_TEST_IS_SYMLINK); ++hops) {
    const GCharPtr link(g_file_read_link(target.c_str(), nullptr));
    if (!link) break;
    if (g_path_is_absolute(link.get())) {
      target = link.get();
    } else {
      const GCharPtr folder(g_path_get_dirname(target.c_str()));
      target = std::string(folder.get()) + "/" + link.get();
    }
  }
  return target;
}

// GLib's temporary files for `path` are `path` and six letters or digits; a save that was
// interrupted leaves one behind.
void RemoveStaleTemporaries(const std::string& path) {
  const GCharPtr folder(g_path_get_dirname(path.c_str()));
  const GCharPtr base(g_path_get_basename(path.c_str()));
  const std::string prefix = std::string(base.get()) + ".";
  GDir* dir = g_dir_open(folder.get(), 0, nullptr);
  if (!dir) return;
  while (const char* name = g_dir_read_name(dir)) {
    const std::string entry = name;
    if (entry.size() != prefix.size() + 6 || !entry.starts_with(prefix)) continue;
    if (!std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                     [](unsigned char c) { return std::isalnum(c); })) {
      continue;
    }
    g_unlink((std::string(folder.get()) + "/" + entry).c_str());
  }
  g_dir_close(dir);
}

}  // namespace

std::optional<std::string> SaveListToFile(const std::vector<std::string>& list,
                                          const std::string& path) {
  const std::string target = FollowLinks(path);
  if (list.empty() && !g_file_test(target.c_str(), G_FILE_TEST_EXISTS)) return std::nullopt;
  std::string content;
  for (const auto& item : list) content += item + "\r\n";
  GStatBuf info;
  const int mode =
      g_stat(target.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : 0644;
  RemoveStaleTemporaries(target);
  GError* failure = nullptr;
  const gboolean written =
      g_file_set_contents_full(target.c_str(), content.data(), static_cast<gssize>(content.size()),
                               static_cast<GFileSetContentsFlags>(G_FILE_SET_CONTENTS_CONSISTENT |
                                                                  G_FILE_SET_CONTENTS_DURABLE),
                               mode, &failure);
  const GErrorPtr error(failure);
  if (written) return std::nullopt;
  return std::string(error->message);
}

}  // namespace tarravelle
