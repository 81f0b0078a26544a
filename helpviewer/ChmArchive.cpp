#include "helpviewer/ChmArchive.h"

#include <chm_lib.h>

#include <array>

namespace korvelt {

namespace {

// Codes of the /#SYSTEM records this viewer uses.
constexpr std::uint16_t ContentsFileRecord = 0;
constexpr std::uint16_t IndexFileRecord = 1;
constexpr std::uint16_t DefaultTopicRecord = 2;
constexpr std::uint16_t TitleRecord = 3;
constexpr std::uint16_t LocaleRecord = 4; // starts with the language's locale identifier
constexpr std::size_t SystemVersionSize = 4;
constexpr std::size_t RecordHeaderSize = 4;

std::uint16_t ReadWord(const std::string &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8U));
}

// The text of a record: its bytes up to the first zero byte.
std::string RecordText(const std::string &bytes, std::size_t at, std::size_t length)
{
    std::string text = bytes.substr(at, length);
    const std::size_t end = text.find('\0');
    if (end != std::string::npos) {
        text.resize(end);
    }
    return text;
}

} // namespace

void ChmArchive::Closer::operator()(chmFile *file) const
{
    chm_close(file);
}

ChmArchive::ChmArchive(chmFile *file) : file_(file) {}

std::optional<ChmArchive> ChmArchive::Open(const std::string &path)
{
    chmFile *file = chm_open(path.c_str());
    if (file == nullptr) {
        return std::nullopt;
    }
    ChmArchive archive(file);
    if (!archive.ReadSystemRecords() || !archive.ContentSectionComplete()) {
        return std::nullopt;
    }
    return archive;
}

std::string ChmArchive::ObjectPath(std::string_view path)
{
    std::string objectPath;
    objectPath.reserve(path.size() + 1);
    if (path.empty() || path.front() != '/') {
        objectPath.push_back('/');
    }
    objectPath.append(path);
    return objectPath;
}

std::optional<std::string> ChmArchive::Read(std::string_view objectPath) const
{
    const std::string path = ObjectPath(objectPath);
    chmUnitInfo info{};
    if (path.size() > CHM_MAX_PATHLEN || chm_resolve_object(file_.get(), path.c_str(), &info) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    if (info.length > MaxObjectSize) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(info.length), '\0');
    if (info.length == 0) {
        return bytes;
    }
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): chmlib reads into unsigned bytes
    auto *target = reinterpret_cast<unsigned char *>(bytes.data());
    const auto length = static_cast<LONGINT64>(info.length);
    if (chm_retrieve_object(file_.get(), &info, target, 0, length) != length) {
        return std::nullopt;
    }
    return bytes;
}

// The compressed pages sit in one section that runs to the end of the file: a file cut short
// loses the end of that section first, even when its first pages can still be read.
bool ChmArchive::ContentSectionComplete() const
{
    chmUnitInfo info{};
    if (chm_resolve_object(file_.get(), "::DataSpace/Storage/MSCompressed/Content", &info) != CHM_RESOLVE_SUCCESS ||
        info.length == 0) {
        return true; // nothing compressed
    }
    std::array<unsigned char, 1> last{};
    return chm_retrieve_object(file_.get(), &info, last.data(), info.length - 1, 1) == 1;
}

// The Windows code page of the languages a help file is written in, from its locale
// identifier's primary language: Central European languages in 1250, Cyrillic in 1251, Greek
// 1253, Turkish 1254, the rest of Europe (and an unknown language) in 1252.
const char *ChmArchive::CodePage() const
{
    constexpr std::uint32_t PrimaryLanguageMask = 0x3FF;
    switch (locale_ & PrimaryLanguageMask) {
    case 0x05: // Czech
    case 0x0E: // Hungarian
    case 0x15: // Polish
    case 0x18: // Romanian
    case 0x1A: // Croatian
    case 0x1B: // Slovak
    case 0x1C: // Albanian
    case 0x24: // Slovenian
        return "windows-1250";
    case 0x02: // Bulgarian
    case 0x19: // Russian
    case 0x22: // Ukrainian
    case 0x23: // Belarusian
        return "windows-1251";
    case 0x08: // Greek
        return "windows-1253";
    case 0x1F: // Turkish
        return "windows-1254";
    default:
        return "windows-1252";
    }
}

bool ChmArchive::ReadSystemRecords()
{
    const std::optional<std::string> system = Read("/#SYSTEM");
    if (!system || system->size() < SystemVersionSize) {
        return false;
    }
    std::size_t at = SystemVersionSize;
    while (at + RecordHeaderSize <= system->size()) {
        const std::uint16_t code = ReadWord(*system, at);
        const std::size_t length = ReadWord(*system, at + 2);
        at += RecordHeaderSize;
        if (at + length > system->size()) {
            return false;
        }
        switch (code) {
        case ContentsFileRecord:
            contentsFile_ = ObjectPath(RecordText(*system, at, length));
            break;
        case IndexFileRecord:
            indexFile_ = ObjectPath(RecordText(*system, at, length));
            break;
        case DefaultTopicRecord:
            defaultTopic_ = ObjectPath(RecordText(*system, at, length));
            break;
        case TitleRecord:
            title_ = RecordText(*system, at, length);
            break;
        case LocaleRecord:
            if (length >= 4) {
                locale_ = static_cast<std::uint32_t>(ReadWord(*system, at)) |
                          (static_cast<std::uint32_t>(ReadWord(*system, at + 2)) << 16U);
            }
            break;
        default:
            break;
        }
        at += length;
    }
    for (std::string *name : std::array{&contentsFile_, &indexFile_, &defaultTopic_}) {
        if (*name == "/") {
            name->clear();
        }
    }
    return true;
}

} // namespace korvelt
