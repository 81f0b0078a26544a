#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvelt {

// One entry of a help contents (.hhc) or index (.hhk) file: its title or keyword, the page
// it opens (empty for a heading that opens none) and the entries nested under it.
struct SitemapEntry {
    std::string Name;
    std::string Local;
    std::vector<SitemapEntry> Children;
};

// The entries of a contents or index file: each <OBJECT type="text/sitemap"> with its
// "Name" and "Local" parameters, nested as its <UL> lists nest. Anything else is skipped.
std::vector<SitemapEntry> ParseSitemap(std::string_view html);

// Text with the character references &amp; &lt; &gt; &quot; &apos; &#N; and &#xN; replaced.
std::string DecodeEntities(std::string_view text);

} // namespace korvelt
