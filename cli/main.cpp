// korveltctl: the KORVELT from the command line, for installers who program many devices
// from a script. No window: QtCore only, so it runs without a display.

#include "HidapiBackend.h"
#include "Korveltctl.h"
#include "SimulatedHidBackend.h"

#include <QCoreApplication>

#include <unistd.h>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
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
        backend = std::make_unique<korvelt::HidapiBackend>();
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    korvelt::CtlOptions options;
    options.ProgressBar = isatty(STDERR_FILENO) != 0;
    return korvelt::RunKorveltctl(arguments, *backend, out, err, options);
}
