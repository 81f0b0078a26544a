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
    // As slow as a KORVELT on full-speed USB, so that the demo shows a command under way.
    simulated->AddKorvelt()->SetReplyDelay(std::chrono::milliseconds(1));
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
