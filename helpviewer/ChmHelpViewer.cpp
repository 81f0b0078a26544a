#include "helpviewer/ChmHelpViewer.h"

#include "helpviewer/ChmTextBrowser.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace korvelt {

bool ChmHelpViewer::Load(const QString &helpFile)
{
    ShutDown();
    if (!QFileInfo(helpFile).isFile()) {
        return false;
    }
    std::optional<ChmArchive> archive = ChmArchive::Open(QFile::encodeName(helpFile).toStdString());
    if (!archive || archive->DefaultTopic().empty()) {
        return false;
    }
    const QUrl defaultTopic = ChmTextBrowser::UrlOf(QString::fromStdString(archive->DefaultTopic()));
    if (!archive->Read(defaultTopic.path(QUrl::FullyDecoded).toStdString())) {
        return false;
    }
    archive_ = std::move(archive);
    helpFile_ = helpFile;
    return true;
}

void ChmHelpViewer::Initialise()
{
    // The window is made when it is first shown.
}

void ChmHelpViewer::DisplayDefaultTopic(const QString &helpFile)
{
    Show(helpFile, QString());
}

void ChmHelpViewer::DisplayTopic(const QString &helpFile, const QString &topic)
{
    Show(helpFile, topic);
}

void ChmHelpViewer::Show(const QString &helpFile, const QString &topic)
{
    if (helpFile != helpFile_ && !Load(helpFile)) {
        return;
    }
    if (!archive_) {
        return;
    }
    // A page the file does not hold gives way to the default topic.
    const QString path = topic.isEmpty() ? QString() : ChmTextBrowser::UrlOf(topic).path(QUrl::FullyDecoded);
    const bool found = !path.isEmpty() && archive_->Read(path.toStdString()).has_value();
    const bool firstShow = window_ == nullptr;
    if (firstShow) {
        window_ = std::make_unique<HelpWindow>(*archive_);
        // The help window never keeps the program running on its own.
        window_->setAttribute(Qt::WA_QuitOnClose, false);
        PlaceWindow();
    }
    window_->ShowTopic(found ? topic : QString::fromStdString(archive_->DefaultTopic()));
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
}

void ChmHelpViewer::CloseAll()
{
    if (window_ != nullptr) {
        window_->close();
    }
}

void ChmHelpViewer::ShutDown()
{
    window_.reset();
    archive_.reset();
    helpFile_.clear();
}

void ChmHelpViewer::PlaceWindow()
{
    // At the right edge of the screen, beside the main window, which opens at the top left.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize size = window_->size().boundedTo(available.size());
    window_->resize(size);
    window_->move(available.right() + 1 - size.width(), available.top());
}

} // namespace korvelt
