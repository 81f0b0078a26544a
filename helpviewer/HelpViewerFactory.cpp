#include "helpviewer/HelpViewerFactory.h"

#ifdef _WIN32
#include "helpviewer/HtmlHelpViewer.h"
#else
#include "helpviewer/ChmHelpViewer.h"
#endif

namespace korvelt {

std::unique_ptr<HelpViewer> CreateHelpViewer()
{
#ifdef _WIN32
    return std::make_unique<HtmlHelpViewer>();
#else
    return std::make_unique<ChmHelpViewer>();
#endif
}

} // namespace korvelt
