#include "device/FileClaim.h"

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
#include <sys/file.h>
#include <unistd.h>
#endif

#include <chrono>
#include <thread>

namespace korvelt {

namespace {

#ifdef _WIN32

class LockedFile final : public HidClaim {
public:
    explicit LockedFile(HANDLE file) : file_(file) {}
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;
    LockedFile(LockedFile &&) = delete;
    LockedFile &operator=(LockedFile &&) = delete;
    ~LockedFile() override { CloseHandle(file_); } // closing the handle releases the lock

private:
    HANDLE file_;
};

#else

class LockedFile final : public HidClaim {
public:
    explicit LockedFile(int fd) : fd_(fd) {}
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;
    LockedFile(LockedFile &&) = delete;
    LockedFile &operator=(LockedFile &&) = delete;
    ~LockedFile() override { close(fd_); } // closing the descriptor releases the lock

private:
    int fd_;
};

#endif

} // namespace

std::unique_ptr<HidClaim> ClaimFile(const std::filesystem::path &path, bool create)
{
#ifdef _WIN32
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::make_unique<HidClaim>();
    }
    OVERLAPPED whole{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole) == 0) {
        CloseHandle(file);
        return nullptr;
    }
    return std::make_unique<LockedFile>(file);
#else
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (create ? O_CREAT : 0), 0644);
    if (fd < 0) {
        return std::make_unique<HidClaim>();
    }
    int locked = 0;
    do {
        locked = flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool busy = errno == EWOULDBLOCK;
        close(fd);
        return busy ? nullptr : std::make_unique<HidClaim>();
    }
    return std::make_unique<LockedFile>(fd);
#endif
}

std::unique_ptr<HidClaim> ClaimWithin(HidBackend &backend, const std::string &path, int waitMs)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (std::unique_ptr<HidClaim> claim = backend.Claim(path)) {
            return claim;
        }
        if (std::chrono::steady_clock::now() >= until) {
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace korvelt
