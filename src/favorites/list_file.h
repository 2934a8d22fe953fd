#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarravelle {

// Appends the lines of the file to `list` (after emptying it when `clearFirst`). A file that
// cannot be opened leaves the list untouched and returns false. Lines end with CR LF, LF or CR;
// a final line end adds no empty item. The text is read as UTF-8 when it is valid UTF-8 and as
// Windows-1252 otherwise (files of older versions).
bool LoadListFromFile(std::vector<std::string>& list, const std::string& path, bool clearFirst);

// Writes every item followed by CR LF, as UTF-8. The file is replaced whole through a flushed
// temporary file in the same folder, so a failure leaves the old file as it was. An empty list
// empties an existing file but creates none. Returns the reason when the file cannot be written.
std::optional<std::string> SaveListToFile(const std::vector<std::string>& list,
                                          const std::string& path);

// Windows-1252 bytes as UTF-8; the five bytes that code page leaves undefined keep their
// Latin-1 meaning.
std::string Windows1252ToUtf8(const std::string& bytes);

}  // namespace tarravelle
