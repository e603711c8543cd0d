#pragma once
// Whole files in and out as bytes, for the design and scratch-pad files. A save never leaves a
// half-written file: the new bytes go to a temporary file beside the old one, reach the disk,
// and only then take the old file's name.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

struct FileRead {
    bool ok = false;
    std::string bytes;
    std::string error; // what went wrong, naming the file, when not ok
};

// Reads the whole file. A file larger than maxBytes is refused rather than read.
FileRead readFileBytes(const std::string& path, std::size_t maxBytes);

// Replaces the file with the bytes, or leaves it exactly as it was. Returns an empty text on
// success, else the platform's reason naming the file ("Cannot create file "/x/y.qvd". Permission
// denied"). A device or other special file (/dev/null) is written in place; a directory is refused.
std::string replaceFile(const std::string& path, std::string_view bytes);

// "1 MiB", "16 MiB": a size limit as the messages give it.
std::string sizeText(std::size_t bytes);

} // namespace qv
