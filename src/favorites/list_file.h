#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarravelle {

// Appends the lines of the file to `list` (after emptying it when `clearFirst`). A file that
// cannot be read leaves the list untouched and returns false; `why` then gets the reason, or
// stays empty when there is simply no file. Only a regular file is read (a pipe or a device
// would never end). Lines end with CR LF, LF or CR; a final line end adds no empty item. Each
// line is read as UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise (files of older
// versions); NUL bytes are dropped.
bool LoadListFromFile(std::vector<std::string>& list, const std::string& path, bool clearFirst,
                      std::string* why = nullptr);

// Writes every item followed by CR LF, as UTF-8. The file is replaced whole through a flushed
// temporary file in the same folder, so a failure leaves the old file as it was; a symbolic link
// is written through to its target, and the old file's permissions are kept. Temporary files
// that an interrupted save left behind are removed. An empty list empties an existing file but
// creates none. Returns the reason when the file cannot be written.
std::optional<std::string> SaveListToFile(const std::vector<std::string>& list,
                                          const std::string& path);

// Windows-1252 bytes as UTF-8; the five bytes that code page leaves undefined keep their
// Latin-1 meaning.
std::string Windows1252ToUtf8(const std::string& bytes);

}  // namespace tarravelle
