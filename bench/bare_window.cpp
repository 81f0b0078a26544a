// The yardstick of the start-up benchmark: a bare Qt window with one label. With
// KORVELT_QUIT_WHEN_SHOWN set it leaves as the program does, once its window is on screen and
// the events of its first showing are done, printing the monotonic clock at that moment.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace {

class ShownProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !fired_) {
            fired_ = true;
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown-ns %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool fired_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    QLabel label(QStringLiteral("KORVELT Time Control"));
    // The size the program's window opens at, so that both draw the same number of pixels.
    label.resize(812, 596);
    ShownProbe probe;
    label.show();
    if (qEnvironmentVariableIsSet("KORVELT_QUIT_WHEN_SHOWN")) {
        label.windowHandle()->installEventFilter(&probe);
    }
    return QApplication::exec();
}
