// Feeds arbitrary bytes to the crash recovery file's reader: a file it accepts must write
// back to bytes that read as the same page, one that saves to the same bytes.
#include "editor/RecoveryFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<RecoveredPage> page = RecoveryFile::decode(bytes, &error);
    if (!page) {
        if (error.isEmpty()) {
            std::fprintf(stderr, "fuzz_recovery: refused without a reason\n");
            std::abort();
        }
        return 0;
    }
    const std::optional<RecoveredPage> again = RecoveryFile::decode(RecoveryFile::encode(*page));
    const auto saved = [](const RecoveredPage &p) { return encodeText(p.text, p.format, nullptr, p.otherLineEnds); };
    if (!again || again->pageName != page->pageName || again->changed != page->changed || again->text != page->text ||
        saved(*again) != saved(*page)) {
        std::fprintf(stderr, "fuzz_recovery: a page read does not write back the same\n");
        std::abort();
    }
    return 0;
}
