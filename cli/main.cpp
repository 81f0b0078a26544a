// korveltctl: the KORVELT from the command line, for installers who program many devices
// from a script. No window, and no display needed.

#include "Korveltctl.h"
#include "SimulatedHidBackend.h"
#include "SystemHidBackend.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string_view>

int main(int argc, char *argv[])
{
    // The report draws text with QtGui's fonts; Qt's offscreen platform needs no display.
    // Every other command needs QtCore alone.
    bool report = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word(argv[i]); // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
        if (word != "--demo") {
            report = word == "report";
            break;
        }
    }
    if (report && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QCoreApplication> app =
        report ? std::unique_ptr<QCoreApplication>(std::make_unique<QGuiApplication>(argc, argv))
               : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korveltctl"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    // --demo talks to one simulated KORVELT in this process, as slow as a real one.
    std::unique_ptr<korvelt::HidBackend> backend;
    if (arguments.contains(QStringLiteral("--demo"))) {
        auto simulated = std::make_unique<korvelt::SimulatedHidBackend>();
        simulated->AddKorvelt()->SetReplyDelay(std::chrono::milliseconds(1));
        backend = std::move(simulated);
    } else {
        backend = korvelt::CreateSystemHidBackend();
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    korvelt::CtlOptions options;
    options.ProgressBar = isatty(STDERR_FILENO) != 0;
    return korvelt::RunKorveltctl(arguments, *backend, out, err, options);
}
