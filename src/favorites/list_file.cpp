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
#include <iterator>

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

std::string DecodeLine(const std::string& line) {
  if (g_utf8_validate(line.data(), static_cast<gssize>(line.size()), nullptr)) return line;
  return Windows1252ToUtf8(line);
}

// A list is text: no NUL byte, and hardly any control characters besides tab and the line ends
// (nor the bytes that no code page of ours defines). A binary file read as a list would be
// written back as garbage.
bool IsText(const std::string& content) {
  std::size_t controls = 0;
  for (const unsigned char byte : content) {
    if (byte == 0) return false;
    const bool control = (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') ||
                         byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
                         byte == 0x90 || byte == 0x9D;
    if (control) ++controls;
  }
  return controls * 100 <= content.size();  // at most one byte in a hundred
}

}  // namespace

bool LoadListLines(ListLines& lines, const std::string& path, std::string* why) {
  std::string reason;
  auto content = ReadRegularFile(path, reason);
  if (content && !IsText(*content)) {
    reason = "it is not a text file";
    content.reset();
  }
  if (why) *why = reason;
  if (!content) return false;

  size_t start = 0;
  while (start < content->size()) {
    const size_t end = std::min(content->find_first_of("\r\n", start), content->size());
    std::string bytes = content->substr(start, end - start);
    lines.text.push_back(DecodeLine(bytes));
    lines.bytes.push_back(std::move(bytes));
    if (end == content->size()) break;
    // CR LF, and LF CR as some old editors wrote it, are one line end each.
    const bool pair = end + 1 < content->size() && (*content)[end] != (*content)[end + 1] &&
                      ((*content)[end + 1] == '\r' || (*content)[end + 1] == '\n');
    start = end + (pair ? 2 : 1);
  }
  return true;
}

bool LoadListFromFile(std::vector<std::string>& list, const std::string& path, bool clearFirst,
                      std::string* why) {
  ListLines lines;
  if (!LoadListLines(lines, path, why)) return false;
  if (clearFirst) list.clear();
  list.insert(list.end(), std::make_move_iterator(lines.text.begin()),
              std::make_move_iterator(lines.text.end()));
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

// The prefix of this program's temporary files for `path`: hidden, and saying whose they are
// (".fav.Dat.tarravelle-save-" and six letters or digits), a name no person would choose.
std::string TemporaryPrefix(const std::string& path) {
  const GCharPtr base(g_path_get_basename(path.c_str()));
  return "." + std::string(base.get()) + kTemporaryMark;
}

// A save that was interrupted leaves its temporary file behind; only those are removed.
void RemoveStaleTemporaries(const std::string& path) {
  const GCharPtr folder(g_path_get_dirname(path.c_str()));
  const std::string prefix = TemporaryPrefix(path);
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

bool WriteAll(int fd, const std::string& content) {
  for (size_t done = 0; done < content.size();) {
    const ssize_t wrote = write(fd, content.data() + done, content.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// Replaces `target` whole: a temporary file beside it, written, flushed and given the mode, is
// renamed over it, and the folder is flushed, so a crash leaves the old file or the new one.
std::optional<std::string> ReplaceFile(const std::string& target, const std::string& content,
                                       int mode) {
  const GCharPtr folder(g_path_get_dirname(target.c_str()));
  std::string temporary = std::string(folder.get()) + "/" + TemporaryPrefix(target) + "XXXXXX";
  const int fd = g_mkstemp_full(temporary.data(), O_WRONLY | O_CLOEXEC, mode);
  if (fd < 0) return std::string(g_strerror(errno));
  const bool written =
      WriteAll(fd, content) && fchmod(fd, static_cast<mode_t>(mode)) == 0 && fsync(fd) == 0;
  const int writeError = errno;
  if (close(fd) != 0 || !written) {
    g_unlink(temporary.c_str());
    return std::string(g_strerror(written ? errno : writeError));
  }
  if (g_rename(temporary.c_str(), target.c_str()) != 0) {
    const int renameError = errno;
    g_unlink(temporary.c_str());
    return std::string(g_strerror(renameError));
  }
  if (const int dir = g_open(folder.get(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> SaveListLines(const std::vector<std::string>& text,
                                         const std::vector<std::optional<std::string>>& bytes,
                                         const std::string& path) {
  const std::string target = FollowLinks(path);
  if (text.empty() && !g_file_test(target.c_str(), G_FILE_TEST_EXISTS)) return std::nullopt;
  std::string content;
  for (size_t i = 0; i < text.size(); ++i) {
    content += i < bytes.size() && bytes[i] ? *bytes[i] : text[i];
    content += "\r\n";
  }
  GStatBuf info;
  const int mode =
      g_stat(target.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : 0600;
  RemoveStaleTemporaries(target);
  return ReplaceFile(target, content, mode);
}

void RemoveStaleSaveFiles(const std::string& path) { RemoveStaleTemporaries(FollowLinks(path)); }

std::optional<std::string> SaveListToFile(const std::vector<std::string>& list,
                                          const std::string& path) {
  return SaveListLines(list, {}, path);
}

}  // namespace tarravelle
