#include "helpviewer/HelpViewerFactory.h"
#include "app/QtUserDialogs.h"
#include "app/TMainForm.h"
#include "text/Languages.h"

#ifdef KORVELT_DEMO
#include "simulator/DemoDevices.h"
#include "simulator/SimulatedHidBackend.h"
#else
#include "device/SystemHidBackend.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <chrono>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Qt does not carry exceptions through its event loop: one that escapes an event handler
// is shown here, and the program goes on with the next event.
class KorveltApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            ShowException(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            ShowException(QString());
        }
        return false;
    }

    static void ShowException(const QString &text)
    {
        QMessageBox::critical(nullptr, applicationDisplayName(), text, QMessageBox::Ok);
    }
};

// The device the window talks to: the KORVELT on USB, or in the demo a simulated KORVELT in
// this process.
std::shared_ptr<korvelt::HidBackend> DeviceBackend()
{
#ifdef KORVELT_DEMO
    auto simulated = std::make_shared<korvelt::SimulatedHidBackend>();
    // One simulated KORVELT, or KORVELT_DEMO_DEVICES of them (serial numbers 1 and up), as
    // slow as a KORVELT on full-speed USB; KORVELT_DEMO_DELAY_MS makes them slower, and
    // KORVELT_DEMO_FAULT="[sim:K ]<fault> <request>", e.g. "silence 50" or "sim:1 dropped block
    // 30", makes one fail at that request of its first command, to show what the window says.
    const int count =
        qEnvironmentVariableIsSet("KORVELT_DEMO_DEVICES")
            ? std::clamp(qEnvironmentVariableIntValue("KORVELT_DEMO_DEVICES"), 1, korvelt::MostDemoDevices)
            : 1;
    const std::string problem =
        korvelt::AddDemoDevices(*simulated, count, qEnvironmentVariable("KORVELT_DEMO_DELAY_MS").toStdString(),
                                qEnvironmentVariable("KORVELT_DEMO_FAULT").toStdString());
    if (!problem.empty()) {
        qWarning("%s", problem.c_str());
        (void)korvelt::AddDemoDevices(*simulated, count, {}, {});
    }
    return simulated;
#else
    return korvelt::CreateSystemHidBackend();
#endif
}

// The program's command line: --help, --version and the data file to open.
void DescribeCommandLine(QCommandLineParser &parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("KORVELT Time Control"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    parser.setApplicationDescription(
        QStringLiteral("Configures the KORVELT time controller: its weekly and special-dates timetables, "
                       "its daylight-saving rule and its clock."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A data file (.dat) to open."),
                                 QStringLiteral("[file]"));
}

// A program of the Windows GUI subsystem starts without a console: text for the command line
// (the help, the version, a usage error) goes to the console of the command that started it,
// where there is one and the stream is not redirected already. Qt's own warnings go to the
// debugger's output then, as for every such program.
// True when the text has a place to go: always, but on Windows only with a redirection or a
// console.
bool TextToStartingConsole()
{
#ifdef _WIN32
    const bool outRedirected = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    const bool errRedirected = GetFileType(GetStdHandle(STD_ERROR_HANDLE)) != FILE_TYPE_UNKNOWN;
    const bool console = !(outRedirected && errRedirected) && AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (console) {
        FILE *stream = nullptr;
        if (!outRedirected) {
            (void)freopen_s(&stream, "CONOUT$", "w", stdout);
        }
        if (!errRedirected) {
            (void)freopen_s(&stream, "CONOUT$", "w", stderr);
        }
    }
    return outRedirected || console;
#else
    return true;
#endif
}

// True when the command line only asks for text: the help or the version.
bool AsksForText(int argc, char **argv)
{
    for (int k = 1; k < argc; ++k) {
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[k], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

// The compiled help of the program's language, <language>/Horalux.chm, and the English one
// Horalux.chm: beside the program (the build tree, Windows) or where the install puts shared
// files. The language's guide where there is one, else the English guide; beside the program
// when it is in neither place.
QString HelpFilePath(const QString &language)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString shared = QStringLiteral("/../share/korvelt-time-control/");
    QStringList names;
    if (language != QLatin1String("en")) {
        names << language + QStringLiteral("/Horalux.chm");
    }
    names << QStringLiteral("Horalux.chm");
    for (const QString &name : names) {
        for (const QString &folder : {QStringLiteral("/"), shared}) {
            QString path = QDir::cleanPath(programFolder + folder + name);
            if (QFileInfo::exists(path)) {
                return path;
            }
        }
    }
    return QDir::cleanPath(programFolder + QStringLiteral("/Horalux.chm"));
}

// A copy unpacked from the portable zip is made portable by a "portable.txt" beside the
// program: it then writes nothing outside its own folder.
bool IsPortable()
{
    return QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/portable.txt"));
}

// The start-up benchmark's hook (KORVELT_QUIT_WHEN_SHOWN): once the window is on screen and the
// events of its first showing are done, prints the monotonic clock and quits.
class ShownProbe : public QObject {
public:
    explicit ShownProbe(QObject *parent = nullptr) : QObject(parent)
    {
        idle_.setSingleShot(true);
        idle_.setInterval(0);
        connect(&idle_, &QTimer::timeout, this, [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("shown-ns %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !fired_) {
            fired_ = true;
            idle_.start();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTimer idle_;
    bool fired_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // An option the program does not know: the usage on standard error and status 2, before
    // anything needs a display.
    {
        QStringList arguments;
        for (int k = 0; k < argc; ++k) {
            arguments << QString::fromLocal8Bit(argv[k]);
        }
        QCommandLineParser parser;
        DescribeCommandLine(parser);
        // Qt's own options (-style Fusion, -platform offscreen, -reverse ...) are the
        // application object's to take: known here, shown nowhere.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                 "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "style", "stylesheet",
                                 "session", "display", "name", "qmljsdebugger"}) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        if (!parser.parse(arguments)) {
            (void)TextToStartingConsole();
            const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                            QFileInfo(arguments.constFirst()).fileName());
            std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()), qPrintable(usage));
            return 2;
        }
    }
    // --help and --version print and exit before anything needs a display.
    if (AsksForText(argc, argv)) {
        [[maybe_unused]] const bool printable = TextToStartingConsole();
        const QCoreApplication textOnly(argc, argv);
        QCommandLineParser parser;
        DescribeCommandLine(parser);
#ifdef _WIN32
        // Qt's parser shows a message box from a program without a console, even when its
        // output is redirected: where the text has a place, it is printed here instead.
        if (printable && parser.parse(QCoreApplication::arguments())) {
            const QString text = parser.isSet(QStringLiteral("version"))
                                     ? QCoreApplication::applicationName() + QLatin1Char(' ') +
                                           QCoreApplication::applicationVersion() + QLatin1Char('\n')
                                     : parser.helpText();
            std::fputs(text.toLocal8Bit().constData(), stdout);
            std::fflush(stdout);
            return EXIT_SUCCESS;
        }
#endif
        parser.process(QCoreApplication::arguments());
        return EXIT_SUCCESS;
    }
    KorveltApplication app(argc, argv);
    // The application name is set here, but no display name: Qt would append it to every window
    // title, and the window's own caption already names the program. Message boxes take the
    // application name instead.
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(QCoreApplication::arguments());
    // The desktop entry's name, so that the desktop shows the window with its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvelt.TimeControl"));
    // The icon installed with the program, found by its place beside the program rather than by
    // searching every folder of the icon theme; a program not installed shows none.
    const QString icon =
        QDir::cleanPath(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../share/icons/hicolor/scalable/apps/org.korvelt.TimeControl.svg"));
    if (QFileInfo::exists(icon)) {
        QApplication::setWindowIcon(QIcon(icon));
    }
    // The user's own settings: ~/.config/KORVELT/KORVELT Time Control.conf on Linux, the registry
    // (HKEY_CURRENT_USER\Software\KORVELT\KORVELT Time Control) on Windows; a portable copy's
    // in "KORVELT Time Control.ini" beside the program. The language is the one chosen there, or
    // the desktop's; it is settled before the first text is made.
    const bool portable = IsPortable();
    auto settings =
        portable ? std::make_unique<QSettings>(QCoreApplication::applicationDirPath() +
                                                   QStringLiteral("/KORVELT Time Control.ini"),
                                               QSettings::IniFormat)
                 : std::make_unique<QSettings>(QStringLiteral("KORVELT"), QStringLiteral("KORVELT Time Control"));
    QString language = korvelt::ChosenLanguage(settings->value(QLatin1String(korvelt::LanguageKey)).toString());
    if (!korvelt::InstallTranslations(app, language)) {
        language = QStringLiteral("en");
    }
    // An exception while the window is made is shown like one from an event handler; the
    // application object outlives this block so that the box can be shown.
    try {
        korvelt::MainFormServices services;
        auto dialogs = std::make_unique<korvelt::QtUserDialogs>();
        korvelt::QtUserDialogs &boxes = *dialogs;
        boxes.SetPortable(portable);
        services.Dialogs = std::move(dialogs);
        services.Backend = DeviceBackend();
        services.Now = [] { return QDateTime::currentDateTime(); };
        services.Help = korvelt::CreateHelpViewer();
        services.HelpFile = HelpFilePath(language);
        services.Settings = std::move(settings);
        korvelt::TMainForm mainForm(std::move(services));
        boxes.SetOwner(&mainForm);
        ShownProbe probe;
        mainForm.show();
        if (qEnvironmentVariableIsSet("KORVELT_QUIT_WHEN_SHOWN")) {
            mainForm.windowHandle()->installEventFilter(&probe);
        }
        if (!parser.positionalArguments().isEmpty()) {
            mainForm.LoadFile(parser.positionalArguments().constFirst());
        }
        return QApplication::exec();
    } catch (const std::exception &error) {
        KorveltApplication::ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        KorveltApplication::ShowException(QString());
    }
    return EXIT_FAILURE;
}
