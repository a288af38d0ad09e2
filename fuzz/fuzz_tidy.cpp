// Feeds arbitrary text, as the editing window would hold it, to the HTML Tidy wrapper: the
// check, the clean with options taken from the first byte, and the column arithmetic.
#include "tools/HtmlTidy.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    HtmlTidy::Options options;
    options.indent = data[0] & 1;
    options.upperCase = data[0] & 2;
    options.keepDoctype = data[0] & 4;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QStringList lines = text.split(QLatin1Char('\n'));

    if (const std::optional<QList<HtmlTidy::Message>> messages = HtmlTidy::check(text)) {
        for (const HtmlTidy::Message &message : *messages) {
            if (message.line < 0 || message.column < 0 || message.text.isEmpty())
                std::abort();
            const QString line = lines.value(message.line - 1);
            const qsizetype index = HtmlTidy::indexOfColumn(line, message.column);
            if (index < 0 || index > line.size())
                std::abort(); // a caret place inside the line
        }
    }
    if (const std::optional<QString> tidied = HtmlTidy::clean(text, options)) {
        const QStringView doctype = HtmlTidy::doctypeOf(text);
        if (options.keepDoctype && !doctype.isEmpty() && !tidied->contains(doctype))
            std::abort(); // the page's own declaration, as written
    }
    return 0;
}
