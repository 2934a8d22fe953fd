#include "favorites/list_file.h"

#include <glib.h>
#include <glib/gstdio.h>

#include <array>

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

bool LoadListFromFile(std::vector<std::string>& list, const std::string& path, bool clearFirst) {
  gchar* read = nullptr;
  gsize length = 0;
  if (!g_file_get_contents(path.c_str(), &read, &length, nullptr)) return false;
  const GCharPtr data(read);
  std::string content(data.get(), length);
  if (!g_utf8_validate(content.data(), static_cast<gssize>(content.size()), nullptr)) {
    content = Windows1252ToUtf8(content);
  }

  if (clearFirst) list.clear();
  size_t start = 0;
  while (start < content.size()) {
    const size_t end = content.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      list.push_back(content.substr(start));
      break;
    }
    list.push_back(content.substr(start, end - start));
    start =
        end +
        ((content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ? 2 : 1);
  }
  return true;
}

std::optional<std::string> SaveListToFile(const std::vector<std::string>& list,
                                          const std::string& path) {
  if (list.empty() && !g_file_test(path.c_str(), G_FILE_TEST_EXISTS)) return std::nullopt;
  std::string content;
  for (const auto& item : list) content += item + "\r\n";
  GError* failure = nullptr;
  const gboolean written =
      g_file_set_contents_full(path.c_str(), content.data(), static_cast<gssize>(content.size()),
                               static_cast<GFileSetContentsFlags>(G_FILE_SET_CONTENTS_CONSISTENT |
                                                                  G_FILE_SET_CONTENTS_DURABLE),
                               0644, &failure);
  const GErrorPtr error(failure);
  if (written) return std::nullopt;
  return std::string(error->message);
}

}  // namespace tarravelle
