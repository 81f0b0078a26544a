#pragma once

#ifdef _WIN32

#include "HelpViewer.h"

#include <windows.h>

namespace korvelt {

// The help viewer on Windows: HTML Help, loaded at run time from the library that the HTML
// Help control is registered with, or from "hhctrl.ocx" when that library does not load.
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
    void CloseAll() override;
    void ShutDown() override;

private:
    using HtmlHelpFunction = HWND(WINAPI *)(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);

    bool LoadHtmlHelp();
    void Release();

    HMODULE HelpLibrary = nullptr;
    HtmlHelpFunction HtmlHelpA = nullptr;
    DWORD HelpCookie = 0;
};

} // namespace korvelt

#endif
