// Feeds arbitrary bytes, as a page file, to the site tools' scans: pictures, links, the
// references Check Links follows and the text search, with a search text taken from the
// start of the page's first line.
#include "platform/TextFile.h"
#include "tools/PageScans.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    int lineCount = 0;
    PageScans::forEachLine(bytes, [&](QByteArrayView, int number) {
        if (number != lineCount)
            std::abort(); // lines are numbered from 0 without gaps
        ++lineCount;
        return true;
    });
    for (const QString &picture : PageScans::pictures(bytes)) {
        if (picture.contains(QLatin1Char('/')) || picture.contains(QLatin1Char('\\')))
            std::abort(); // a bare file name
    }
    PageScans::links(bytes);
    int lastReferenceLine = 0;
    PageScans::forEachReference(bytes, [&](QByteArrayView value, int line) {
        if (value.data() < bytes.data() || value.data() + value.size() > bytes.data() + bytes.size())
            std::abort(); // a piece of the page itself
        // In page order, on a line of the page (an empty value may start just past the last one).
        if (line < lastReferenceLine || line > lineCount || (line == lineCount && !value.isEmpty()))
            std::abort();
        lastReferenceLine = line;
    });

    // The text as the user would see it in the page: the file decoded as a whole.
    const QString page = decodeText(bytes.toByteArray()).text;
    qsizetype end = 0;
    while (end < page.size() && end < 8 && page[end] != QLatin1Char('\n') && page[end] != QLatin1Char('\r'))
        ++end;
    const QString text = page.left(end);
    if (text.isEmpty())
        return 0;
    const QList<int> found = PageScans::TextSearch(text).matchingLines(bytes);
    int previous = -1;
    for (int line : found) {
        if (line <= previous || line >= lineCount)
            std::abort(); // each matching line once, in order, and one that exists
        previous = line;
    }
    if (found.isEmpty() || found.first() != 0)
        std::abort(); // the first line holds the text it was taken from
    return 0;
}
