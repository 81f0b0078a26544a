#include "platform/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvelt {

namespace fs = std::filesystem;

namespace {

// What a save may replace: nothing yet, or a regular file. Saving through a symbolic link
// replaces the file it points to, not the link. A folder, a device, a pipe or a socket is
// never replaced by a file, and neither is a link that leads nowhere (its target may be on
// a drive that is not there) or in a circle.
std::optional<fs::path> SaveTarget(const fs::path &path, std::error_code &error)
{
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) {
        error.clear();
        return path;
    }
    if (error) {
        return std::nullopt;
    }
    fs::path target = path;
    if (fs::is_symlink(status)) {
        target = fs::canonical(path, error);
        if (error) {
            return std::nullopt;
        }
    }
    const fs::file_status targetStatus = fs::status(target, error);
    if (error) {
        return std::nullopt;
    }
    if (!fs::is_regular_file(targetStatus)) {
        error = std::make_error_code(fs::is_directory(targetStatus) ? std::errc::is_a_directory
                                                                    : std::errc::invalid_argument);
        return std::nullopt;
    }
    return target;
}

// Hands the reason of a failure to a caller who asked for it; the result is always false.
bool Fail(std::error_code *error, std::error_code reason)
{
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

// The temporary file goes beside the target, so that the rename stays on one file system.
fs::path FolderOf(const fs::path &target)
{
    fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// A fresh name for a temporary file of this process.
fs::path TempName(const fs::path &folder, unsigned long processId)
{
    static std::atomic<unsigned> counter{0};
    return folder / (".korvelt-" + std::to_string(processId) + "-" + std::to_string(counter++) + ".tmp");
}

constexpr int TempAttempts = 100;

#ifdef _WIN32

// Closes the handle it owns unless it was closed explicitly.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    FileHandle(FileHandle &&) = delete;
    FileHandle &operator=(FileHandle &&) = delete;
    ~FileHandle()
    {
        if (IsOpen()) {
            CloseHandle(handle_);
        }
    }

    [[nodiscard]] HANDLE Get() const { return handle_; }
    [[nodiscard]] bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

// The most one call of ReadFile or WriteFile moves.
constexpr std::size_t MaxChunk = 1U << 30U;

DWORD ChunkOf(std::size_t size)
{
    return static_cast<DWORD>(std::min(size, MaxChunk));
}

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        DWORD written = 0;
        if (WriteFile(file, bytes.data(), ChunkOf(bytes.size()), &written, nullptr) == 0 || written == 0) {
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

bool IsReadOnly(const fs::path &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The reason the last call of the Windows API gave.
std::error_code LastError()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}

} // namespace

bool SaveFileAtomically(const fs::path &path, std::span<const std::uint8_t> bytes, std::error_code *error)
{
    std::error_code reason;
    const std::optional<fs::path> target = SaveTarget(path, reason);
    if (!target) {
        return Fail(error, reason);
    }
    // A file its owner made read-only is not replaced, as it would not be written over.
    if (IsReadOnly(*target)) {
        return Fail(error, {ERROR_ACCESS_DENIED, std::system_category()});
    }
    const fs::path folder = FolderOf(*target);
    for (int attempt = 0; attempt < TempAttempts; ++attempt) {
        const fs::path temp = TempName(folder, GetCurrentProcessId());
        FileHandle file(
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsOpen()) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return Fail(error, LastError());
        }
        const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) != 0;
        reason = written ? std::error_code{} : LastError();
        if (!file.Close() && !reason) {
            reason = LastError();
        }
        if (!reason &&
            MoveFileExW(temp.c_str(), target->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
            return true;
        }
        if (!reason) {
            reason = LastError();
        }
        DeleteFileW(temp.c_str());
        return Fail(error, reason);
    }
    return Fail(error, {ERROR_FILE_EXISTS, std::system_category()});
}

std::optional<std::vector<std::uint8_t>> LoadRegularFile(const fs::path &path, std::size_t maxSize,
                                                         std::error_code *error)
{
    std::error_code reason;
    const fs::file_status status = fs::status(path, reason);
    if (reason || !fs::is_regular_file(status)) {
        Fail(error, reason ? reason
                           : std::make_error_code(fs::is_directory(status) ? std::errc::is_a_directory
                                                                           : std::errc::invalid_argument));
        return std::nullopt;
    }
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        Fail(error, LastError());
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.Get()) != FILE_TYPE_DISK || GetFileInformationByHandle(file.Get(), &info) == 0 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        Fail(error, std::make_error_code(std::errc::invalid_argument));
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(maxSize);
    std::size_t total = 0;
    while (total < maxSize) {
        DWORD count = 0;
        if (ReadFile(file.Get(), bytes.data() + total, ChunkOf(maxSize - total), &count, nullptr) == 0) {
            Fail(error, LastError());
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        total += count;
    }
    bytes.resize(total);
    return bytes;
}

#else

// Closes the descriptor it owns unless it was closed explicitly.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor(FileDescriptor &&) = delete;
    FileDescriptor &operator=(FileDescriptor &&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    [[nodiscard]] int Get() const { return fd_; }
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

int OpenFile(const fs::path &path, int flags, mode_t mode = 0)
{
    return ::open(path.c_str(), flags | O_CLOEXEC, mode); // NOLINT(cppcoreguidelines-pro-type-vararg)
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written == 0) {
            errno = EIO;
        }
        if (written <= 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The number of bytes read until the buffer is full or the file ends.
std::optional<std::size_t> ReadUpTo(int fd, std::span<std::uint8_t> buffer)
{
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t count = ::read(fd, buffer.data() + total, buffer.size() - total);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        total += static_cast<std::size_t>(count);
    }
    return total;
}

struct TempFile {
    fs::path Path;
    int Fd = -1;
};

// Creates a new, uniquely named file in `folder`; never opens an existing one. On failure
// errno holds the reason.
std::optional<TempFile> CreateTempFile(const fs::path &folder)
{
    for (int attempt = 0; attempt < TempAttempts; ++attempt) {
        fs::path name = TempName(folder, static_cast<unsigned long>(::getpid()));
        const int fd = OpenFile(name, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) {
            return TempFile{std::move(name), fd};
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::error_code Errno()
{
    return {errno, std::generic_category()};
}

// Makes the rename itself durable. The file is already complete, so a failure here does
// not fail the save.
void SyncFolder(const fs::path &folder)
{
    const FileDescriptor dir(OpenFile(folder, O_RDONLY | O_DIRECTORY));
    if (dir.IsOpen()) {
        static_cast<void>(::fsync(dir.Get()));
    }
}

// Everything up to and including the rename; the caller removes the temporary file when
// this fails. On failure errno holds the reason.
bool WriteAndReplace(const TempFile &temp, const fs::path &target, std::span<const std::uint8_t> bytes)
{
    FileDescriptor file(temp.Fd);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        static_cast<void>(::fchmod(file.Get(), existing.st_mode & 07777));
    }
    if (!WriteAll(file.Get(), bytes)) {
        return false;
    }
    // Some file systems cannot sync and say so with EINVAL; what was written still stands.
    if (::fsync(file.Get()) != 0 && errno != EINVAL) {
        return false;
    }
    if (!file.Close()) {
        return false;
    }
    return ::rename(temp.Path.c_str(), target.c_str()) == 0;
}

} // namespace

bool SaveFileAtomically(const fs::path &path, std::span<const std::uint8_t> bytes, std::error_code *error)
{
    std::error_code reason;
    const std::optional<fs::path> target = SaveTarget(path, reason);
    if (!target) {
        return Fail(error, reason);
    }
    // A file its owner made read-only is not replaced, as it would not be written over.
    if (::access(target->c_str(), W_OK) != 0 && errno != ENOENT) {
        return Fail(error, Errno());
    }
    const fs::path folder = FolderOf(*target);
    const std::optional<TempFile> temp = CreateTempFile(folder);
    if (!temp) {
        return Fail(error, Errno());
    }
    if (!WriteAndReplace(*temp, *target, bytes)) {
        reason = Errno();
        ::unlink(temp->Path.c_str());
        return Fail(error, reason);
    }
    SyncFolder(folder);
    return true;
}

std::optional<std::vector<std::uint8_t>> LoadRegularFile(const fs::path &path, std::size_t maxSize,
                                                         std::error_code *error)
{
    // Not a regular file: a folder says so, anything else is no file to read.
    const auto notRegular = [error](const struct stat &info) {
        Fail(error,
             std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory : std::errc::invalid_argument));
        return std::nullopt;
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        Fail(error, Errno());
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegular(info);
    }
    const FileDescriptor file(OpenFile(path, O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0) {
        Fail(error, Errno());
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegular(info);
    }
    std::vector<std::uint8_t> bytes(maxSize);
    const std::optional<std::size_t> count = ReadUpTo(file.Get(), bytes);
    if (!count) {
        Fail(error, Errno());
        return std::nullopt;
    }
    bytes.resize(*count);
    return bytes;
}

#endif

} // namespace korvelt
