#pragma once

#include "helpviewer/HelpViewer.h"

#include <QString>

#include <memory>

namespace korvelt {

// The window's help, decided once when the window is made: without a help file that loads
// there is neither the Help button nor its key. It shows the first page or a tab's page, and
// closes with the window.
class WindowHelp {
public:
    WindowHelp(std::unique_ptr<HelpViewer> viewer, const QString &helpFile);

    [[nodiscard]] bool Available() const { return available_; }
    void ShowContents();
    // The page of `topic`; an empty topic, or one the file does not hold, opens the first page.
    void ShowTopic(const QString &topic);
    void Close();

private:
    std::unique_ptr<HelpViewer> viewer_;
    QString file_;
    bool available_ = false;
};

} // namespace korvelt
