// Feeds arbitrary bytes to the SVG size reader: it must never crash or read outside the
// buffer, and a size it reports is always a real picture size within the ceiling.
#include "imaging/SvgSize.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QSize> picture = SvgSize::read(bytes);
    if (picture && (picture->width() < 1 || picture->height() < 1 || picture->width() > SvgSize::kMaxSide ||
                    picture->height() > SvgSize::kMaxSide)) {
        std::fprintf(stderr, "fuzz_svgsize: size outside 1..%d\n", SvgSize::kMaxSide);
        std::abort();
    }
    return 0;
}
