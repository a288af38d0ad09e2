// Feeds arbitrary bytes to the reader of the custom-tag and snip files. Once written by the
// program, a list must read back as the same entries, write after write.
#include "dialogs/LineListFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LineList read = parseLineList(bytes);
    for (const QString &line : read.lines) {
        if (line.contains(QLatin1Char('\n')))
            std::abort(); // an entry never holds a line break
    }
    const LineList written = parseLineList(encodeLineList(read.lines, read.format));
    const LineList again = parseLineList(encodeLineList(written.lines, written.format));
    if (again.lines != written.lines)
        std::abort();
    return 0;
}
