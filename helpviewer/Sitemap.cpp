#include "helpviewer/Sitemap.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

namespace korvelt {

namespace {

struct Tag {
    std::string Name;                                            // lower case, "/ul" for an end tag
    std::vector<std::pair<std::string, std::string>> Attributes; // names in lower case
};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The tag whose text (between "<" and ">") is body.
Tag ParseTag(std::string_view body)
{
    Tag tag;
    std::size_t at = 0;
    while (at < body.size() && !IsSpace(body[at]) && body[at] != '/') {
        ++at;
    }
    if (at == 0 && !body.empty() && body[0] == '/') {
        at = 1;
        while (at < body.size() && !IsSpace(body[at])) {
            ++at;
        }
    }
    tag.Name = Lower(body.substr(0, at));
    while (at < body.size()) {
        while (at < body.size() && (IsSpace(body[at]) || body[at] == '/')) {
            ++at;
        }
        const std::size_t nameStart = at;
        while (at < body.size() && !IsSpace(body[at]) && body[at] != '=' && body[at] != '/') {
            ++at;
        }
        if (at == nameStart) {
            break;
        }
        std::string name = Lower(body.substr(nameStart, at - nameStart));
        while (at < body.size() && IsSpace(body[at])) {
            ++at;
        }
        std::string value;
        if (at < body.size() && body[at] == '=') {
            ++at;
            while (at < body.size() && IsSpace(body[at])) {
                ++at;
            }
            if (at < body.size() && (body[at] == '"' || body[at] == '\'')) {
                const char quote = body[at++];
                const std::size_t end = std::min(body.find(quote, at), body.size());
                value = DecodeEntities(body.substr(at, end - at));
                at = end + 1;
            } else {
                const std::size_t valueStart = at;
                while (at < body.size() && !IsSpace(body[at])) {
                    ++at;
                }
                value = DecodeEntities(body.substr(valueStart, at - valueStart));
            }
        }
        tag.Attributes.emplace_back(std::move(name), std::move(value));
    }
    return tag;
}

std::string Attribute(const Tag &tag, std::string_view name)
{
    for (const auto &[key, value] : tag.Attributes) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

// The end of the tag that starts at "<" at position start, past any quoted ">".
std::size_t TagEnd(std::string_view html, std::size_t start)
{
    char quote = 0;
    for (std::size_t at = start + 1; at < html.size(); ++at) {
        const char c = html[at];
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at;
        }
    }
    return std::string_view::npos;
}

void AppendUtf8(std::string &out, unsigned int code)
{
    if (code < 0x80U) {
        out += static_cast<char>(code);
    } else if (code < 0x800U) {
        out += static_cast<char>(0xC0U | (code >> 6U));
        out += static_cast<char>(0x80U | (code & 0x3FU));
    } else if (code < 0x10000U) {
        out += static_cast<char>(0xE0U | (code >> 12U));
        out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (code & 0x3FU));
    } else {
        out += static_cast<char>(0xF0U | (code >> 18U));
        out += static_cast<char>(0x80U | ((code >> 12U) & 0x3FU));
        out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (code & 0x3FU));
    }
}

std::optional<unsigned int> NumericReference(std::string_view digits)
{
    int base = 10;
    if (!digits.empty() && (digits.front() == 'x' || digits.front() == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    unsigned int code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
    constexpr unsigned int LastCodePoint = 0x10FFFF;
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || code == 0 ||
        code > LastCodePoint) {
        return std::nullopt;
    }
    return code;
}

} // namespace

std::string DecodeEntities(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, char>, 5> Named{
        {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t semicolon = text[at] == '&' ? text.find(';', at) : std::string_view::npos;
        if (semicolon == std::string_view::npos) {
            out += text[at++];
            continue;
        }
        const std::string_view name = text.substr(at + 1, semicolon - at - 1);
        bool decoded = false;
        if (!name.empty() && name.front() == '#') {
            if (const auto code = NumericReference(name.substr(1))) {
                AppendUtf8(out, *code);
                decoded = true;
            }
        } else {
            for (const auto &[entity, c] : Named) {
                if (name == entity) {
                    out += c;
                    decoded = true;
                    break;
                }
            }
        }
        if (decoded) {
            at = semicolon + 1;
        } else {
            out += text[at++];
        }
    }
    return out;
}

std::vector<SitemapEntry> ParseSitemap(std::string_view html)
{
    std::vector<SitemapEntry> root;
    // The lists being filled, outermost first; the innermost receives each finished entry.
    std::vector<std::vector<SitemapEntry> *> lists{&root};
    std::optional<SitemapEntry> entry;
    bool nameSeen = false;
    bool localSeen = false;

    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        if (html.substr(at, 4) == "<!--") {
            const std::size_t end = html.find("-->", at + 4);
            at = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const std::size_t end = TagEnd(html, at);
        if (end == std::string_view::npos) {
            break;
        }
        const Tag tag = ParseTag(html.substr(at + 1, end - at - 1));
        at = end + 1;

        if (tag.Name == "ul") {
            // A list opens under the entry before it; a list with no entry before it adds
            // its entries to the enclosing list.
            std::vector<SitemapEntry> *current = lists.back();
            lists.push_back(current->empty() ? current : &current->back().Children);
        } else if (tag.Name == "/ul") {
            if (lists.size() > 1) {
                lists.pop_back();
            }
        } else if (tag.Name == "object") {
            if (Lower(Attribute(tag, "type")) == "text/sitemap") {
                entry.emplace();
                nameSeen = false;
                localSeen = false;
            }
        } else if (tag.Name == "param" && entry) {
            const std::string name = Lower(Attribute(tag, "name"));
            // An index keyword may list further topics; the first name and page count.
            if (name == "name" && !nameSeen) {
                entry->Name = Attribute(tag, "value");
                nameSeen = true;
            } else if (name == "local" && !localSeen) {
                entry->Local = Attribute(tag, "value");
                localSeen = true;
            }
        } else if (tag.Name == "/object" && entry) {
            lists.back()->push_back(std::move(*entry));
            entry.reset();
        }
    }
    return root;
}

} // namespace korvelt
