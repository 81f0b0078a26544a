#ifdef _WIN32

#include "helpviewer/HtmlHelpViewer.h"

#include <QDir>

#include <array>
#include <string>

namespace korvelt {

namespace {

// HTML Help commands.
constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
constexpr UINT HH_CLOSE_ALL = 0x0012;
constexpr UINT HH_INITIALIZE = 0x001C;
constexpr UINT HH_UNINITIALIZE = 0x001D;

// Where the HTML Help control is registered: its default value names the viewer library.
constexpr const char *HtmlHelpControlKey = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
constexpr std::size_t LibraryPathSize = 255;

} // namespace

HtmlHelpViewer::~HtmlHelpViewer()
{
    Release();
}

bool HtmlHelpViewer::LoadHtmlHelp()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, HtmlHelpControlKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    std::array<char, LibraryPathSize> path{};
    DWORD size = static_cast<DWORD>(path.size());
    if (RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<LPBYTE>(path.data()), &size) !=
        ERROR_SUCCESS) {
        RegCloseKey(key);
        return false;
    }
    path.back() = '\0'; // a value that fills the buffer has no terminator of its own
    HelpLibrary = LoadLibraryA(path.data());
    if (HelpLibrary == nullptr) {
        HelpLibrary = LoadLibraryA("hhctrl.ocx");
    }
    if (HelpLibrary != nullptr) {
        HtmlHelpW =
            reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void (*)()>(GetProcAddress(HelpLibrary, "HtmlHelpW")));
        if (HtmlHelpW == nullptr) {
            FreeLibrary(HelpLibrary);
            HelpLibrary = nullptr;
        }
    }
    RegCloseKey(key);
    return HtmlHelpW != nullptr;
}

bool HtmlHelpViewer::Load(const QString & /*helpFile*/)
{
    return HtmlHelpW != nullptr || LoadHtmlHelp();
}

void HtmlHelpViewer::Initialise()
{
    if (HtmlHelpW != nullptr) {
        HtmlHelpW(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&HelpCookie));
    }
}

void HtmlHelpViewer::DisplayDefaultTopic(const QString &helpFile)
{
    if (HtmlHelpW != nullptr) {
        const std::wstring file = QDir::toNativeSeparators(helpFile).toStdWString();
        HtmlHelpW(nullptr, file.c_str(), HH_DISPLAY_TOPIC, 0);
    }
}

void HtmlHelpViewer::DisplayTopic(const QString &helpFile, const QString &topic)
{
    if (topic.isEmpty()) {
        DisplayDefaultTopic(helpFile);
    } else if (HtmlHelpW != nullptr) {
        const std::wstring page = (QDir::toNativeSeparators(helpFile) + QStringLiteral("::/") + topic).toStdWString();
        HtmlHelpW(nullptr, page.c_str(), HH_DISPLAY_TOPIC, 0);
    }
}

void HtmlHelpViewer::CloseAll()
{
    if (HtmlHelpW != nullptr) {
        HtmlHelpW(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }
}

void HtmlHelpViewer::ShutDown()
{
    Release();
}

void HtmlHelpViewer::Release()
{
    if (HelpLibrary != nullptr) {
        HtmlHelpW(nullptr, nullptr, HH_UNINITIALIZE, HelpCookie);
        FreeLibrary(HelpLibrary);
        HelpLibrary = nullptr;
        HtmlHelpW = nullptr;
    }
}

} // namespace korvelt

#endif
