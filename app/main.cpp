#include "HelpViewerFactory.h"
#include "QtUserDialogs.h"
#include "TMainForm.h"

#ifdef KORVELT_DEMO
#include "SimulatedHidBackend.h"
#else
#include "HidapiBackend.h"
#endif

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QMessageBox>

#include <cstdlib>
#include <exception>

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
    const auto device = simulated->AddKorvelt();
    // As slow as a KORVELT on full-speed USB, so that the demo shows a command under way;
    // KORVELT_DEMO_DELAY_MS makes it slower.
    const int delay = qEnvironmentVariableIsSet("KORVELT_DEMO_DELAY_MS") ? qEnvironmentVariableIntValue("KORVELT_DEMO_DELAY_MS") : 1;
    device->SetReplyDelay(std::chrono::milliseconds(delay));
    // KORVELT_DEMO_FAULT="<fault> <request>", e.g. "silence 50" or "dropped block 30", makes the
    // simulated KORVELT fail at that request of the first command, to show what the window says.
    QStringList fault = qEnvironmentVariable("KORVELT_DEMO_FAULT").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fault.size() >= 2) {
        const int request = fault.takeLast().toInt();
        for (const korvelt::SimulatedFault candidate : korvelt::AllSimulatedFaults) {
            if (fault.join(QLatin1Char(' ')) == QLatin1String(korvelt::SimulatedFaultName(candidate).data())) {
                device->InjectFault(candidate, request - 1);
            }
        }
    }
    return simulated;
#else
    return std::make_shared<korvelt::HidapiBackend>();
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    const KorveltApplication app(argc, argv);
    // No display name is set: Qt would append it to every window title, and the window's own
    // caption already names the program. Message boxes take the application name instead.
    QApplication::setApplicationName(QStringLiteral("KORVELT Time Control"));
    // An exception while the window is made is shown like one from an event handler; the
    // application object outlives this block so that the box can be shown.
    try {
        korvelt::MainFormServices services;
        auto dialogs = std::make_unique<korvelt::QtUserDialogs>();
        korvelt::QtUserDialogs &boxes = *dialogs;
        services.Dialogs = std::move(dialogs);
        services.Backend = DeviceBackend();
        services.Now = [] { return QDateTime::currentDateTime(); };
        services.Help = korvelt::CreateHelpViewer();
        services.HelpFile = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/Horalux.chm"));
        // The user's own settings file (~/.config/KORVELT/KORVELT Time Control.conf on Linux).
        services.Settings = std::make_unique<QSettings>(QStringLiteral("KORVELT"), QStringLiteral("KORVELT Time Control"));
        korvelt::TMainForm mainForm(std::move(services));
        boxes.SetOwner(&mainForm);
        mainForm.show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        KorveltApplication::ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        KorveltApplication::ShowException(QString());
    }
    return EXIT_FAILURE;
}
