#include "app/WindowHelp.h"

#include <QFileInfo>

namespace korvelt {

WindowHelp::WindowHelp(std::unique_ptr<HelpViewer> viewer, const QString &helpFile)
    : viewer_(std::move(viewer)), file_(QFileInfo(helpFile).absoluteFilePath()),
      available_(QFileInfo::exists(file_) && viewer_->Load(file_))
{
    if (available_) {
        viewer_->Initialise();
    }
}

void WindowHelp::ShowContents()
{
    if (available_) {
        viewer_->DisplayDefaultTopic(file_);
    }
}

void WindowHelp::ShowTopic(const QString &topic)
{
    if (available_) {
        viewer_->DisplayTopic(file_, topic);
    }
}

void WindowHelp::Close()
{
    if (available_) {
        viewer_->CloseAll();
        viewer_->ShutDown();
    }
}

} // namespace korvelt
