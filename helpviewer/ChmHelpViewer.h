#pragma once

#include "helpviewer/ChmArchive.h"
#include "helpviewer/HelpViewer.h"
#include "helpviewer/HelpWindow.h"

#include <memory>
#include <optional>

namespace korvelt {

// The help viewer of platforms without HTML Help: the program's own help window, reading the
// compiled help file with chmlib. Help counts as available when the file opens as a compiled
// help file and its default topic can be read.
class ChmHelpViewer : public HelpViewer {
public:
    ChmHelpViewer() = default;
    ChmHelpViewer(const ChmHelpViewer &) = delete;
    ChmHelpViewer &operator=(const ChmHelpViewer &) = delete;
    ChmHelpViewer(ChmHelpViewer &&) = delete;
    ChmHelpViewer &operator=(ChmHelpViewer &&) = delete;
    ~ChmHelpViewer() override = default; // the window goes first, then the file

    bool Load(const QString &helpFile) override;
    void Initialise() override;
    void DisplayDefaultTopic(const QString &helpFile) override;
    void DisplayTopic(const QString &helpFile, const QString &topic) override;
    void CloseAll() override;
    void ShutDown() override;

    // The help window once it has been shown; null before and after shutdown.
    [[nodiscard]] HelpWindow *Window() const { return window_.get(); }

private:
    void PlaceWindow();
    void Show(const QString &helpFile, const QString &topic);

    QString helpFile_;
    std::optional<ChmArchive> archive_;
    std::unique_ptr<HelpWindow> window_; // top-level, so owned here
};

} // namespace korvelt
