#pragma once
// File names between the model and the file system. The model holds a file name as Latin-1 text
// like all its text, so the window shows it as the user chose it; the file system names files in
// UTF-8, though a file saved by an older program may carry the Latin-1 bytes themselves.

#include "io/file_bytes.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The model's text in UTF-8.
std::string utf8Name(std::string_view modelName);

// The bytes the file system knows the file by: its UTF-8 name, unless only a file (or for a new
// file, only a folder) under the Latin-1 bytes themselves exists.
std::string fileSystemName(std::string_view modelName);

// The model's text for a name the file system gave: UTF-8 taken back to Latin-1, a name that is
// not UTF-8 taken as Latin-1 bytes already; nothing for a character Latin-1 has no byte for.
std::optional<std::string> modelFileName(std::string_view fileSystemName);

// The file calls of file_bytes.h for a file named by model text; their messages name the file as
// the model holds it.
FileRead readModelFile(const std::string& modelName, std::size_t maxBytes);
std::string replaceModelFile(const std::string& modelName, std::string_view bytes);

} // namespace qv
