// POSIX file calls: the standard library has no way to flush a file to the disk or to learn why
// a file could not be opened, and both matter to someone whose design is in that file.
#include "io/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

constexpr std::size_t kReadChunkBytes = std::size_t{64} * 1024;
constexpr int kTemporaryNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666; // narrowed by the user's umask, as any new file

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

std::string failure(const char* what, const std::string& path, int error)
{
    return std::string(what) + " " + quoted(path) + ". " + std::strerror(error);
}

std::string tooLarge(const std::string& path, std::size_t maxBytes)
{
    return "Cannot open file " + quoted(path) + ". The file is larger than " + sizeText(maxBytes);
}

// Closes the descriptor however the function that opened it ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, so the caller learns of a failure of the last write-back; returns errno or 0.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes every byte; returns errno of the first failure, or 0.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int syncAndClose(FileDescriptor& file, bool syncRequired)
{
    if (::fsync(file.get()) != 0 && syncRequired) return errno;
    return file.close();
}

// A device, a pipe: there is no file to replace, so the bytes go straight to it.
std::string writeInPlace(const std::string& path, std::string_view bytes)
{
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (file.get() < 0) return failure("Cannot create file", path, errno);
    if (const int error = writeAll(file.get(), bytes)) return failure("Cannot write file", path, error);
    // Devices do not all support fsync; what counts is that every write was taken.
    if (const int error = syncAndClose(file, false)) return failure("Cannot write file", path, error);
    return {};
}

// The file a save replaces: a symbolic link keeps pointing at the design, not at a copy.
std::string replacedPath(const std::string& path)
{
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) return path;
    std::error_code error;
    const auto target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

void syncDirectoryOf(const std::string& path)
{
    const auto directory = std::filesystem::path(path).parent_path();
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return; // the rename is done; this only hastens it to the disk
    ::fsync(fd);
    ::close(fd);
}

struct Temporary {
    int fd = -1;
    std::string path;
};

Temporary createTemporaryBeside(const std::string& target)
{
    const std::string stem = target + ".tmp" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        Temporary temporary{-1, stem + std::to_string(attempt)};
        temporary.fd = ::open(temporary.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (temporary.fd >= 0 || errno != EEXIST) return temporary;
    }
    return {};
}

std::string replaceRegularFile(const std::string& path, std::string_view bytes, const struct stat* old)
{
    const std::string target = replacedPath(path);
    Temporary temporary = createTemporaryBeside(target);
    if (temporary.fd < 0) return failure("Cannot create file", path, errno);
    FileDescriptor file(temporary.fd);
    if (old) ::fchmod(file.get(), old->st_mode & 07777); // keep the old file's permissions

    int error = writeAll(file.get(), bytes);
    if (!error) error = syncAndClose(file, true);
    if (!error && ::rename(temporary.path.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.path.c_str());
        return failure("Cannot write file", path, error);
    }
    syncDirectoryOf(target);
    return {};
}

// The replace writes a new file beside the old one, which would go round the old file's
// permission; a file the user may not write is refused as an open for writing would be. Root
// passes every permission check, so for root a file without any write bit counts as protected.
int writeRefusal(const std::string& path, const struct stat& info)
{
    if (::access(path.c_str(), W_OK) != 0) return errno;
    if (::geteuid() == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
    return 0;
}

} // namespace

std::string sizeText(std::size_t bytes)
{
    constexpr std::size_t kMib = std::size_t{1024} * 1024;
    if (bytes >= kMib && bytes % kMib == 0) return std::to_string(bytes / kMib) + " MiB";
    return std::to_string(bytes) + " bytes";
}

FileRead readFileBytes(const std::string& path, std::size_t maxBytes)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return {false, {}, failure("Cannot open file", path, errno)};
    struct stat info {};
    if (::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) > maxBytes)
        return {false, {}, tooLarge(path, maxBytes)};

    FileRead result{true, {}, {}};
    std::string chunk(kReadChunkBytes, '\0');
    // A device or a growing file has no trustworthy size: the limit is checked while reading.
    while (result.bytes.size() <= maxBytes) {
        const ssize_t got = ::read(file.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {false, {}, failure("Cannot read file", path, errno)};
        if (got == 0) return result;
        result.bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return {false, {}, tooLarge(path, maxBytes)};
}

std::string replaceFile(const std::string& path, std::string_view bytes)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return replaceRegularFile(path, bytes, nullptr);
    if (S_ISDIR(info.st_mode)) return failure("Cannot create file", path, EISDIR);
    if (!S_ISREG(info.st_mode)) return writeInPlace(path, bytes);
    if (const int error = writeRefusal(path, info)) return failure("Cannot create file", path, error);
    return replaceRegularFile(path, bytes, &info);
}

} // namespace qv
