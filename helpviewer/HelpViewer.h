#pragma once

#include <QString>

namespace korvelt {

// The help display that the main window drives, in five steps: find out whether help can be
// shown at all (Load), prepare it once (Initialise), show the help file at its default topic
// (DisplayDefaultTopic), close every help window (CloseAll) and release everything at the end
// (ShutDown). Every step runs on the main thread.
class HelpViewer {
public:
    HelpViewer() = default;
    HelpViewer(const HelpViewer &) = delete;
    HelpViewer &operator=(const HelpViewer &) = delete;
    HelpViewer(HelpViewer &&) = delete;
    HelpViewer &operator=(HelpViewer &&) = delete;
    virtual ~HelpViewer() = default;

    // Loads what the viewer needs to show helpFile; false when help cannot be shown.
    virtual bool Load(const QString &helpFile) = 0;
    virtual void Initialise() = 0;
    virtual void DisplayDefaultTopic(const QString &helpFile) = 0;
    // Shows one page of the help file ("times.htm"); a viewer that cannot show single pages,
    // or a file without that page, shows the default topic.
    virtual void DisplayTopic(const QString &helpFile, const QString & /*topic*/) { DisplayDefaultTopic(helpFile); }
    virtual void CloseAll() = 0;
    virtual void ShutDown() = 0;
};

} // namespace korvelt
