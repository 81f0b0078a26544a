// Simulated KORVELTs on named pipes, for the Windows build under Wine: with the stand-in
// set-up library, which lists them as HID interfaces, the program's own Windows backend talks
// to them through CreateFile, ReadFile and WriteFile as to real ones.
//
//   korvelt-pipe-device [--count N] [--delay TEXT] [--fault TEXT] [--release K=HEX]... [--ready FILE]
//
// N KORVELTs (1 unless N) as korveltctl --demo N makes them: serial numbers 1 to N, as slow and
// failing as the demo's delay and fault settings say ("sim:1 unplug 20"); --release gives the
// one at K another release number (0001: program mode, where the application does not answer).
// KORVELT K is served at \\.\pipe\korvelt-sim-K in message mode, one 65-byte report to a
// message, byte 0 the report ID. Every handle gets each report the device sends from when it
// was opened, as from a HID device, at most 32 waiting unread. Unplugged (the unplug fault), the
// KORVELT's pipes are closed: open handles fail and new ones cannot be opened. The present
// KORVELTs are listed on \\.\pipe\korvelt-pipe-devices. --ready names a file made once all
// pipes can be opened. Runs until it is ended.

#include "simulator/DemoDevices.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <deque>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using korvelt::HidDevice;
using korvelt::ReadStatus;
using korvelt::Report;

constexpr DWORD ReportBytes = static_cast<DWORD>(korvelt::ReportSize);
constexpr std::size_t MostUnread = 32; // what a HID handle's input buffer holds by default
constexpr DWORD PollMs = 20;           // how often a waiting thread looks whether it is unplugged
constexpr int ListeningInstances = 4;  // the handles that can be opened at once

class Event {
public:
    explicit Event(bool manualReset = true) : handle_(CreateEventW(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr))
    {
    }
    Event(const Event &) = delete;
    Event &operator=(const Event &) = delete;
    Event(Event &&) = delete;
    Event &operator=(Event &&) = delete;
    ~Event() { CloseHandle(handle_); }
    [[nodiscard]] HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// One client's handle on a KORVELT's pipe.
struct Connection {
    HANDLE Pipe = INVALID_HANDLE_VALUE;
    std::mutex Mutex;
    std::deque<Report> Unread;
    Event Queued{false}; // taken by the wait it ends: the queue itself says what is waiting
};

class PipeKorvelt {
public:
    PipeKorvelt(std::shared_ptr<korvelt::SimulatedKorvelt> device, std::unique_ptr<HidDevice> link, int index)
        : device_(std::move(device)), link_(std::move(link)), name_(R"(\\.\pipe\korvelt-sim-)" + std::to_string(index))
    {
    }

    [[nodiscard]] const std::string &Name() const { return name_; }
    [[nodiscard]] bool Present() const { return !unplugged_; }
    [[nodiscard]] std::uint16_t Release() const { return device_->Release(); }

    // An instance of the pipe, waiting for a client once this returns. Its buffer toward the
    // client holds the reports of a long session: the program's write handle gets every report
    // too and is never read, and a write to a full pipe would wait.
    HANDLE Listen() const
    {
        return CreateNamedPipeA(name_.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES,
                                ReportBytes * 4096, ReportBytes * 64, 0, nullptr);
    }

    // Takes clients on the instances `listening`, each instance again once its client has
    // come, each client served by a thread of its own. A program opens a KORVELT twice at
    // once (a handle to read, one to write): each open needs an instance waiting.
    void Serve(const std::vector<HANDLE> &listening)
    {
        std::thread([this] { Pump(); }).detach();
        for (HANDLE pipe : listening) {
            std::thread([this, pipe] { Accept(pipe); }).detach();
        }
    }

private:
    void Accept(HANDLE pipe)
    {
        while (pipe != INVALID_HANDLE_VALUE && !unplugged_) {
            if (Connect(pipe)) {
                auto connection = std::make_shared<Connection>();
                connection->Pipe = pipe;
                {
                    const std::lock_guard lock(mutex_);
                    connections_.push_back(connection);
                }
                std::thread([this, connection] { Talk(*connection); }).detach();
                pipe = Listen();
            }
        }
        if (pipe != INVALID_HANDLE_VALUE) {
            CloseHandle(pipe);
        }
    }

    // Waits for a client on `pipe`; false when the KORVELT was unplugged first.
    bool Connect(HANDLE pipe)
    {
        const Event connected;
        OVERLAPPED overlapped{};
        overlapped.hEvent = connected.Get();
        if (ConnectNamedPipe(pipe, &overlapped) != 0 || GetLastError() == ERROR_PIPE_CONNECTED) {
            return true;
        }
        while (!unplugged_) {
            if (WaitForSingleObject(connected.Get(), PollMs) == WAIT_OBJECT_0) {
                return true;
            }
        }
        CancelIoEx(pipe, &overlapped);
        DWORD count = 0;
        GetOverlappedResult(pipe, &overlapped, &count, TRUE);
        return false;
    }

    // The device's reports, to every connection open when each arrives.
    void Pump()
    {
        Report report{};
        while (!unplugged_) {
            ReadStatus status = ReadStatus::Timeout;
            {
                const std::lock_guard lock(linkMutex_);
                status = link_->Read(report, 0);
            }
            if (status == ReadStatus::Gone) {
                unplugged_ = true;
            } else if (status == ReadStatus::Report) {
                const std::lock_guard lock(mutex_);
                for (const auto &connection : connections_) {
                    const std::lock_guard queue(connection->Mutex);
                    if (connection->Unread.size() == MostUnread) {
                        connection->Unread.pop_front();
                    }
                    connection->Unread.push_back(report);
                    SetEvent(connection->Queued.Get());
                }
            } else {
                Sleep(1);
            }
        }
    }

    // One client: its reports to the device, the device's to it, until either goes.
    void Talk(Connection &connection)
    {
        const Event readDone;
        const Event writeDone;
        OVERLAPPED reading{};
        OVERLAPPED writing{};
        Report in{};
        Report out{};
        bool readPending = false;
        bool writePending = false;
        bool open = true;
        while (open && !unplugged_) {
            if (!readPending) {
                reading = OVERLAPPED{};
                reading.hEvent = readDone.Get();
                ResetEvent(readDone.Get());
                readPending = ReadFile(connection.Pipe, in.data(), ReportBytes, nullptr, &reading) != 0 ||
                              GetLastError() == ERROR_IO_PENDING;
                open = readPending;
            }
            if (open && !writePending && Next(connection, out)) {
                writing = OVERLAPPED{};
                writing.hEvent = writeDone.Get();
                ResetEvent(writeDone.Get());
                writePending = WriteFile(connection.Pipe, out.data(), ReportBytes, nullptr, &writing) != 0 ||
                               GetLastError() == ERROR_IO_PENDING;
                open = writePending;
            }
            const std::array<HANDLE, 3> events{readDone.Get(), connection.Queued.Get(), writeDone.Get()};
            const DWORD woke = WaitForMultipleObjects(writePending ? 3 : 2, events.data(), FALSE, PollMs);
            DWORD count = 0;
            if (open && woke == WAIT_OBJECT_0) {
                readPending = false;
                open = GetOverlappedResult(connection.Pipe, &reading, &count, FALSE) != 0;
                if (open && count == ReportBytes) {
                    const std::lock_guard lock(linkMutex_);
                    if (!link_->Write(in)) {
                        unplugged_ = true;
                    }
                }
            } else if (open && woke == WAIT_OBJECT_0 + 2) {
                writePending = false;
                open = GetOverlappedResult(connection.Pipe, &writing, &count, FALSE) != 0;
            }
        }
        CancelIoEx(connection.Pipe, nullptr);
        DWORD count = 0;
        if (readPending) {
            GetOverlappedResult(connection.Pipe, &reading, &count, TRUE);
        }
        if (writePending) {
            GetOverlappedResult(connection.Pipe, &writing, &count, TRUE);
        }
        const std::lock_guard lock(mutex_);
        std::erase_if(connections_, [&connection](const auto &each) { return each.get() == &connection; });
        CloseHandle(connection.Pipe); // unplugged: the client's handle fails from now on
    }

    static bool Next(Connection &connection, Report &report)
    {
        const std::lock_guard lock(connection.Mutex);
        if (connection.Unread.empty()) {
            return false;
        }
        report = connection.Unread.front();
        connection.Unread.pop_front();
        return true;
    }

    std::shared_ptr<korvelt::SimulatedKorvelt> device_;
    std::mutex linkMutex_;
    std::unique_ptr<HidDevice> link_;
    std::string name_;
    std::atomic<bool> unplugged_ = false;
    std::mutex mutex_;
    std::vector<std::shared_ptr<Connection>> connections_;
};

// Tells each client of the list pipe the present KORVELTs, one line each.
[[noreturn]] void ServeList(const std::vector<std::unique_ptr<PipeKorvelt>> &korvelts, HANDLE first)
{
    HANDLE pipe = first;
    for (;;) {
        if (ConnectNamedPipe(pipe, nullptr) != 0 || GetLastError() == ERROR_PIPE_CONNECTED) {
            std::string list;
            for (const auto &korvelt : korvelts) {
                if (korvelt->Present()) {
                    std::array<char, 48> id{};
                    std::snprintf(id.data(), id.size(), R"(HID\VID_%04X&PID_%04X&REV_%04X)", korvelt::KorveltVendorId,
                                  korvelt::KorveltProductId, korvelt->Release());
                    list += korvelt->Name() + '\t' + id.data() + '\n';
                }
            }
            DWORD written = 0;
            WriteFile(pipe, list.data(), static_cast<DWORD>(list.size()), &written, nullptr);
            FlushFileBuffers(pipe);
        }
        DisconnectNamedPipe(pipe);
    }
}

int Usage(const char *problem)
{
    std::fprintf(stderr,
                 "korvelt-pipe-device: %s\nUsage: korvelt-pipe-device [--count N] [--delay TEXT] "
                 "[--fault TEXT] [--release K=HEX]... [--ready FILE]\n",
                 problem);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> words(argv + 1,
                                         argv + argc); // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
    int count = 1;
    std::string delay;
    std::string fault;
    std::string ready;
    std::vector<std::pair<int, std::uint16_t>> releases;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words.at(i);
        if (i + 1 == words.size()) {
            return Usage(("a value is needed after " + word).c_str());
        }
        const std::string &value = words.at(++i);
        if (word == "--count") {
            count = std::atoi(value.c_str());
        } else if (word == "--delay") {
            delay = value;
        } else if (word == "--fault") {
            fault = value;
        } else if (word == "--ready") {
            ready = value;
        } else if (word == "--release" && value.find('=') != std::string::npos) {
            releases.emplace_back(std::atoi(value.c_str()), static_cast<std::uint16_t>(std::stoul(
                                                                value.substr(value.find('=') + 1), nullptr, 16)));
        } else {
            return Usage(("what is " + word + "?").c_str());
        }
    }
    if (count < 1 || count > korvelt::MostDemoDevices) {
        return Usage("--count is a number of KORVELTs from 1 to 128");
    }
    korvelt::SimulatedHidBackend backend;
    if (const std::string problem = korvelt::AddDemoDevices(backend, count, delay, fault); !problem.empty()) {
        return Usage(problem.c_str());
    }
    std::vector<std::unique_ptr<PipeKorvelt>> korvelts;
    std::vector<std::vector<HANDLE>> listening;
    for (int k = 0; k < count; ++k) {
        const auto device = backend.Korvelt(static_cast<std::size_t>(k));
        for (const auto &[which, release] : releases) {
            if (which == k) {
                device->SetRelease(release);
            }
        }
        korvelts.push_back(std::make_unique<PipeKorvelt>(device, backend.Open("sim:" + std::to_string(k)).Device, k));
        listening.emplace_back();
        for (int instance = 0; instance < ListeningInstances; ++instance) {
            listening.back().push_back(korvelts.back()->Listen());
        }
    }
    HANDLE list = CreateNamedPipeA(R"(\\.\pipe\korvelt-pipe-devices)", PIPE_ACCESS_OUTBOUND,
                                   PIPE_TYPE_MESSAGE | PIPE_WAIT, 1, 65536, 0, 0, nullptr);
    if (list == INVALID_HANDLE_VALUE) {
        return Usage("the list pipe cannot be made");
    }
    for (std::size_t k = 0; k < korvelts.size(); ++k) {
        korvelts.at(k)->Serve(listening.at(k));
    }
    if (!ready.empty()) {
        std::ofstream(ready) << "ready\n";
    }
    ServeList(korvelts, list);
}
