#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarravelle {

// The lines of a list file as read: the text each shows, and the bytes it was read with.
struct ListLines {
  std::vector<std::string> text;
  std::vector<std::string> bytes;
};

// The mark of this program's temporary files beside a list file while it is saved.
inline constexpr const char* kTemporaryMark = ".tarravelle-save-";

// Appends the lines of the file to `lines`, as LoadListFromFile reads them, with their bytes.
bool LoadListLines(ListLines& lines, const std::string& path, std::string* why = nullptr);

// Appends the lines of the file to `list` (after emptying it when `clearFirst`). A file that
// cannot be read leaves the list untouched and returns false; `why` then gets the reason, or
// stays empty when there is simply no file. Only a regular file is read (a pipe or a device
// would never end), and only a text file: one with a NUL byte or more than one control
// character in a hundred bytes is not a list ("it is not a text file"). Lines end with CR LF, LF
// or CR; a final line end adds no empty item. Each line is read as UTF-8 when it is valid UTF-8
// and as Windows-1252 otherwise (files of older versions).
bool LoadListFromFile(std::vector<std::string>& list, const std::string& path, bool clearFirst,
                      std::string* why = nullptr);

// Writes every item followed by CR LF, as UTF-8. The file is replaced whole through a flushed
// temporary file of this program's own in the same folder (".fav.Dat.tarravelle-save-XXXXXX"),
// so a failure leaves the old file as it was; a symbolic link is written through to its target,
// and the old file's permissions are kept. Temporary files of its own that an interrupted save
// left behind are removed, and no other file. An empty list empties an existing file but creates
// none. Returns the reason when the file cannot be written.
std::optional<std::string> SaveListToFile(const std::vector<std::string>& list,
                                          const std::string& path);
// The same, writing an item that has `bytes` with exactly those bytes (an item read from the
// file and not changed), and the others as UTF-8.
std::optional<std::string> SaveListLines(const std::vector<std::string>& text,
                                         const std::vector<std::optional<std::string>>& bytes,
                                         const std::string& path);

// Removes the temporary files of this program's own that a save of `path` killed half-way left
// beside it (through symbolic links, beside the file they lead to), and no other file.
void RemoveStaleSaveFiles(const std::string& path);

// Windows-1252 bytes as UTF-8; the five bytes that code page leaves undefined keep their
// Latin-1 meaning.
std::string Windows1252ToUtf8(const std::string& bytes);

}  // namespace tarravelle
