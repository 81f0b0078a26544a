#include "DataFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvelt {

namespace fs = std::filesystem;

namespace {

// The name text ends with a zero byte right after it.
constexpr std::size_t NameEnd = DataFileNameOffset + DataFileName.size() + 1;

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

// What a save may replace: nothing yet, or a regular file. Saving through a symbolic link
// replaces the file it points to, not the link. A folder, a device, a pipe or a socket is
// never replaced by a file, and neither is a link that leads nowhere (its target may be on
// a drive that is not there) or in a circle.
std::optional<fs::path> SaveTarget(const fs::path &path)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) {
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
    if (!fs::is_regular_file(fs::status(target, error))) {
        return std::nullopt;
    }
    return target;
}

struct TempFile {
    fs::path Path;
    int Fd = -1;
};

// Creates a new, uniquely named file in `folder`; never opens an existing one.
std::optional<TempFile> CreateTempFile(const fs::path &folder)
{
    static std::atomic<unsigned> counter{0};
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        fs::path name = folder / (".korvelt-" + std::to_string(::getpid()) + "-" +
                                  std::to_string(counter++) + ".tmp");
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
// this fails.
bool WriteAndReplace(const TempFile &temp, const fs::path &target, const DataFileImage &image)
{
    FileDescriptor file(temp.Fd);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        static_cast<void>(::fchmod(file.Get(), existing.st_mode & 07777));
    }
    if (!WriteAll(file.Get(), image)) {
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

DataFileImage EncodeDataFile(const ScheduleModel &model)
{
    DataFileImage file{}; // the zero byte after the name and the reserved bytes stay zero
    const auto version = static_cast<std::uint32_t>(DataFileVersion);
    for (std::size_t i = 0; i < 4; ++i) {
        file.at(i) = static_cast<std::uint8_t>(version >> (8 * i));
    }
    std::ranges::copy(DataFileName, file.begin() + DataFileNameOffset);
    std::ranges::copy(EncodeScheduleImage(model), file.begin() + DataFileHeaderSize);
    return file;
}

DataFileResult DecodeDataFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < NameEnd ||
        !std::ranges::equal(bytes.subspan(DataFileNameOffset, DataFileName.size()), DataFileName,
                            [](std::uint8_t byte, char c) { return byte == static_cast<std::uint8_t>(c); }) ||
        bytes[NameEnd - 1] != 0) {
        return {DataFileOutcome::Incompatible, {}};
    }
    std::uint32_t version = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        version |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    }
    if (static_cast<std::int32_t>(version) > DataFileVersion) {
        return {DataFileOutcome::LaterFormat, {}};
    }
    if (bytes.size() < DataFileSize) {
        return {DataFileOutcome::Incompatible, {}};
    }
    ScheduleImage image{};
    std::ranges::copy(bytes.subspan(DataFileHeaderSize, ScheduleImageSize), image.begin());
    return {DataFileOutcome::Loaded, DecodeScheduleImage(image)};
}

bool SaveDataFile(const fs::path &path, const ScheduleModel &model)
{
    const std::optional<fs::path> target = SaveTarget(path);
    if (!target) {
        return false;
    }
    fs::path folder = target->parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    // A file its owner made read-only is not replaced, as it would not be written over.
    if (::access(target->c_str(), W_OK) != 0 && errno != ENOENT) {
        return false;
    }
    const std::optional<TempFile> temp = CreateTempFile(folder);
    if (!temp) {
        return false;
    }
    if (!WriteAndReplace(*temp, *target, EncodeDataFile(model))) {
        ::unlink(temp->Path.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

DataFileResult LoadDataFile(const fs::path &path)
{
    // Only a regular file is read. A device is not even opened, as opening one can act on it
    // (a serial port raises its control lines). The open does not wait: a pipe swapped in
    // after the first look would otherwise block until something writes to it, and the
    // second look, at what was opened, refuses it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {DataFileOutcome::OpenError, {}};
    }
    const FileDescriptor file(OpenFile(path, O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {DataFileOutcome::OpenError, {}};
    }
    DataFileImage buffer{};
    const std::optional<std::size_t> count = ReadUpTo(file.Get(), buffer);
    if (!count) {
        return {DataFileOutcome::OpenError, {}};
    }
    return DecodeDataFile(std::span<const std::uint8_t>(buffer).first(*count));
}

std::string_view DataFileMessage(DataFileOutcome outcome)
{
    switch (outcome) {
    case DataFileOutcome::Loaded:
        return {};
    case DataFileOutcome::OpenError:
        return "Error Opening File.";
    case DataFileOutcome::Incompatible:
        return "Incompatible data file.";
    case DataFileOutcome::LaterFormat:
        return "The file uses a later data format.\r\nCannot load";
    }
    return {};
}

} // namespace korvelt
