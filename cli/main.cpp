// korveltctl: the KORVELT from the command line, for installers who program many devices
// from a script. No window, and no display needed.

#include "simulator/DemoDevices.h"
#include "cli/Korveltctl.h"
#include "cli/SignalInterrupts.h"
#include "text/Languages.h"
#include "simulator/SimulatedHidBackend.h"
#include "device/SystemHidBackend.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#ifdef _WIN32
#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

// Standard output or error, written at once, remembering the system's reason when a write fails
// (a full disk, a closed pipe). A stream closed from the start fails every write. On Windows, a
// stream that is a console gets its text as UTF-16 (WriteConsoleW), so that the console shows
// every letter whatever its code page; redirected to a file or a pipe, it stays UTF-8.
class StandardStream final : public QIODevice {
public:
    StandardStream(int fd, bool closed) : fd_(fd), closed_(closed)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    [[nodiscard]] bool isSequential() const override { return true; }

protected:
    qint64 readData(char * /*data*/, qint64 /*maxSize*/) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (closed_) {
            setErrorString(QString::fromLocal8Bit(std::strerror(EBADF)));
            return -1;
        }
#ifdef _WIN32
        if (console_.has_value() ? *console_ : IsConsole()) {
            return ToConsole(data, size);
        }
#endif
        qint64 done = 0;
        while (done < size) {
            const auto chunk = static_cast<unsigned>(std::min<qint64>(size - done, 1 << 20));
            const auto written =
                ::write(fd_, data + done, chunk); // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                setErrorString(QString::fromLocal8Bit(std::strerror(written < 0 ? errno : EIO)));
                return -1;
            }
            done += written;
        }
        return done;
    }

private:
#ifdef _WIN32
    HANDLE Handle() const
    {
        return GetStdHandle(fd_ == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    }

    bool IsConsole()
    {
        DWORD mode = 0;
        console_ = GetConsoleMode(Handle(), &mode) != 0;
        return *console_;
    }

    // The decoder keeps a letter cut between two writes until its last byte comes.
    qint64 ToConsole(const char *data, qint64 size)
    {
        const QString text = utf8_.decode(QByteArrayView(data, size));
        const auto *next = reinterpret_cast<const wchar_t *>(text.utf16());
        qsizetype left = text.size();
        while (left > 0) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(std::min<qsizetype>(left, 1 << 14));
            if (WriteConsoleW(Handle(), next, chunk, &written, nullptr) == 0 || written == 0) {
                setErrorString(qt_error_string(static_cast<int>(GetLastError())));
                return -1;
            }
            next += written; // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
            left -= written;
        }
        return size;
    }

    std::optional<bool> console_;
    QStringDecoder utf8_{QStringDecoder::Utf8};
#endif
    int fd_;
    bool closed_;
};

// A standard stream the caller closed (`>&-`) is given /dev/null, so that no file opened
// later takes its number and receives what was meant for the stream; true when it was closed.
bool Reopened(int fd)
{
#ifdef _WIN32
    (void)fd;
    return false;
#else
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
        return false;
    }
    const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (null >= 0 && null != fd) {
        dup2(null, fd);
        close(null);
    }
    return true;
#endif
}

int TerminalColumns()
{
#ifndef _WIN32
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
#endif
    const int columns = qEnvironmentVariableIntValue("COLUMNS");
    return columns > 0 ? columns : 80;
}

#ifdef _WIN32
// The report's platform plugin and fonts are installed beside korveltctl.exe. Without them Qt
// would end the process with a message box that nobody at a script can answer: the file that
// is missing, or an empty text when everything is there.
QString MissingReportFile()
{
    std::array<wchar_t, 32768> path{};
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    const QString folder = QFileInfo(QString::fromWCharArray(path.data(), static_cast<int>(length))).absolutePath();
    for (const char *file : {"platforms/qoffscreen.dll", "lib/fonts/DejaVuSans.ttf", "lib/fonts/DejaVuSans-Bold.ttf"}) {
        const QString full = folder + QLatin1Char('/') + QLatin1String(file);
        if (!QFileInfo::exists(full)) {
            return QDir::toNativeSeparators(full);
        }
    }
    return {};
}
#endif

// The report prints nothing but its own messages: Qt's own (fonts, runtime folders) are dropped.
void Quiet(QtMsgType /*type*/, const QMessageLogContext & /*context*/, const QString & /*message*/) {}

// --demo talks to simulated KORVELTs in this process, as slow as real ones, or slower or
// failing as KORVELT_DEMO_DELAY_MS and KORVELT_DEMO_FAULT say; else the system's HID devices.
// None when the demo's settings cannot be understood (said on standard error).
std::unique_ptr<korvelt::HidBackend> Backend(const QStringList &arguments)
{
    const int demo = korvelt::DemoCount(arguments);
    if (demo == 0) {
        return korvelt::CreateSystemHidBackend();
    }
    auto simulated = std::make_unique<korvelt::SimulatedHidBackend>();
    if (demo > 0) {
        const std::string problem =
            korvelt::AddDemoDevices(*simulated, demo, qgetenv("KORVELT_DEMO_DELAY_MS").toStdString(),
                                    qgetenv("KORVELT_DEMO_FAULT").toStdString());
        if (!problem.empty()) {
            std::fprintf(stderr, "korveltctl: %s\n", problem.c_str());
            return nullptr;
        }
    }
    // Simulated KORVELTs claimed through lock files in a folder, so that two programs contend
    // for them as for real ones.
    if (const QString folder = qEnvironmentVariable("KORVELT_DEMO_CLAIMS"); !folder.isEmpty()) {
        simulated->SetClaimFolder(QFile::encodeName(folder).toStdString());
    }
    return simulated;
}

// The report draws text with QtGui's fonts, always on Qt's offscreen platform, whatever the
// environment says: it needs no display, and runs under cron. Every other command needs QtCore
// alone. Its runtime folder, where the environment names none, is `runtime`. The file the
// report cannot be made without, when one is missing; else nothing.
QString PrepareReport(std::unique_ptr<QTemporaryDir> &runtime)
{
#ifdef _WIN32
    // No system error box either, whatever happens: the tool runs unattended.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    if (QString missing = MissingReportFile(); !missing.isEmpty()) {
        return missing;
    }
#endif
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        runtime = std::make_unique<QTemporaryDir>();
        if (runtime->isValid()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
        }
    }
    return {};
}

// Says, in the user's language, that the report cannot be made without the file `missing`.
int ReportFileMissing(int argc, char **argv, const QString &missing)
{
    const QCoreApplication app(argc, argv);
    korvelt::InstallTranslations(*QCoreApplication::instance(), korvelt::SystemLanguage());
    QTextStream(stderr) << "korveltctl: "
                        << QCoreApplication::translate("korveltctl", "cannot make the report: %1 is missing; install "
                                                                     "the program again")
                               .arg(missing)
                        << '\n';
    return korvelt::ExitFileError;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef _WIN32
    // A data file or a PDF goes through standard output and input byte for byte.
    (void)_setmode(0, _O_BINARY);
    (void)_setmode(1, _O_BINARY);
#endif
    Reopened(0);
    const bool outputClosed = Reopened(1);
    Reopened(2);
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words.append(QString::fromLocal8Bit(argv[i])); // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
    }
    // The report draws text with QtGui's fonts, always on Qt's offscreen platform, whatever
    // the environment says: it needs no display, and runs under cron. Every other command
    // needs QtCore alone.
    const bool report = korvelt::CtlCommandName(words) == QLatin1String("report");
    std::unique_ptr<QTemporaryDir> runtime;
    if (const QString missing = report ? PrepareReport(runtime) : QString(); !missing.isEmpty()) {
        return ReportFileMissing(argc, argv, missing);
    }
    const std::unique_ptr<QCoreApplication> app =
        report ? std::unique_ptr<QCoreApplication>(std::make_unique<QGuiApplication>(argc, argv))
               : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korveltctl"));
    // The words follow the environment's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; on
    // Windows the display language); LC_ALL=C is English. Results, exit statuses, JSON keys
    // and files never change with it.
    korvelt::InstallTranslations(*app, korvelt::SystemLanguage());
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    std::unique_ptr<korvelt::HidBackend> backend = Backend(arguments);
    if (!backend) {
        return korvelt::ExitUsage;
    }

    StandardStream out(1, outputClosed);
    QFile input;
    (void)input.open(stdin, QIODevice::ReadOnly);
    StandardStream errors(STDERR_FILENO, false);
    QTextStream err(&errors);
    korvelt::SignalInterrupts interrupts;
    korvelt::CtlOptions options;
    options.ProgressBar = isatty(STDERR_FILENO) != 0;
    options.TerminalWidth = TerminalColumns;
    options.Input = &input;
    options.Interrupts = &interrupts;
    const int exit = korvelt::RunKorveltctl(arguments, *backend, out, err, options);
    return exit;
}
