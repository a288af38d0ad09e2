// Feeds arbitrary text, line by line, to the tag scanner of the colouring pass: every span
// lies inside its line and is a tag ("<" to ">") or the stray stretch between a ">" and a "<"
// (brackets excluded), tags come in order, and a scanner reused from line to line finds what
// a fresh one finds.
#include "editor/TagColouring.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    TagScanner reused;
    for (QStringView line : QStringView(text).split(u'\n')) {
        const std::vector<TagSpan> &spans = reused.scan(line);
        if (spans != scanLineTags(line))
            std::abort();
        int lastTagStart = -1;
        for (const TagSpan &span : spans) {
            if (span.start < 0 || span.length < 1 || qsizetype(span.start) + span.length > line.size())
                std::abort();
            const qsizetype end = qsizetype(span.start) + span.length;
            const bool tag = line[span.start] == u'<' && line[end - 1] == u'>';
            const bool stray = span.start > 0 && line[span.start - 1] == u'>' && end < line.size() && line[end] == u'<';
            if (!tag && !stray)
                std::abort();
            if (tag) {
                if (span.start <= lastTagStart)
                    std::abort(); // each '<' opens at most one tag, left to right
                lastTagStart = span.start;
            } else if (span.kind != TagKind::Default) {
                std::abort();
            }
        }
    }
    return 0;
}
