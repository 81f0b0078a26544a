#pragma once

#ifdef _WIN32

#include "helpviewer/HelpViewer.h"

#include <windows.h>

namespace korvelt {

// The help viewer on Windows: HTML Help, loaded at run time from the library that the HTML
// Help control is registered with, or from "hhctrl.ocx" when that library does not load. The
// wide-character entry point takes the file's path, so that a folder named with letters
// beyond the user's code page works too.
class HtmlHelpViewer : public HelpViewer {
public:
    HtmlHelpViewer() = default;
    HtmlHelpViewer(const HtmlHelpViewer &) = delete;
    HtmlHelpViewer &operator=(const HtmlHelpViewer &) = delete;
    HtmlHelpViewer(HtmlHelpViewer &&) = delete;
    HtmlHelpViewer &operator=(HtmlHelpViewer &&) = delete;
    ~HtmlHelpViewer() override;

    // The viewer library is loaded and its entry point found; the file is not looked at.
    bool Load(const QString &helpFile) override;
    void Initialise() override;
    void DisplayDefaultTopic(const QString &helpFile) override;
    // One page: "Horalux.chm::/times.htm".
    void DisplayTopic(const QString &helpFile, const QString &topic) override;
    void CloseAll() override;
    void ShutDown() override;

private:
    using HtmlHelpFunction = HWND(WINAPI *)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);

    bool LoadHtmlHelp();
    void Release();

    HMODULE HelpLibrary = nullptr;
    HtmlHelpFunction HtmlHelpW = nullptr;
    DWORD HelpCookie = 0;
};

} // namespace korvelt

#endif
