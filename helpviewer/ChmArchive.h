#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct chmFile;

namespace korvelt {

// A compiled help file (.chm) opened with chmlib. Object paths inside it start with "/".
// The archive's own settings come from its /#SYSTEM object: a 4-byte version followed by
// records of a 2-byte code, a 2-byte length and that many bytes of data.
class ChmArchive {
public:
    // Objects larger than this are refused rather than read (a damaged file may claim any size).
    static constexpr std::uint64_t MaxObjectSize = std::uint64_t{32} * 1024 * 1024;

    // The archive at path, or nothing when it is missing or not a readable compiled help file.
    static std::optional<ChmArchive> Open(const std::string &path);

    // The whole object, or nothing when it is missing or cannot be read in full. A path
    // without the leading "/" is taken from the archive's root.
    [[nodiscard]] std::optional<std::string> Read(std::string_view objectPath) const;

    // Paths of the default topic (which may name a place on its page, "/page.htm#place"), the
    // contents (.hhc) and the index (.hhk), each with its leading "/"; empty when the archive
    // names none.
    [[nodiscard]] const std::string &DefaultTopic() const { return defaultTopic_; }
    [[nodiscard]] const std::string &ContentsFile() const { return contentsFile_; }
    [[nodiscard]] const std::string &IndexFile() const { return indexFile_; }
    [[nodiscard]] const std::string &Title() const { return title_; }
    // The title, the contents and the index are written in the Windows code page of the
    // file's language, as HTML Help reads them: the name of that code page.
    [[nodiscard]] const char *CodePage() const;

    // The path with the leading "/" that archive paths have.
    static std::string ObjectPath(std::string_view path);

private:
    struct Closer {
        void operator()(chmFile *file) const;
    };

    explicit ChmArchive(chmFile *file);
    bool ReadSystemRecords();
    [[nodiscard]] bool ContentSectionComplete() const;

    std::unique_ptr<chmFile, Closer> file_;
    std::string defaultTopic_;
    std::string contentsFile_;
    std::string indexFile_;
    std::string title_;
    std::uint32_t locale_ = 0;
};

} // namespace korvelt
