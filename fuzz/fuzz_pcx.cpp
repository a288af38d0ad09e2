// Feeds arbitrary bytes to the PCX reader: it must never read outside the buffer, never
// allocate past its ceiling, and agree with its own header and plausibility checks.
#include "imaging/PcxReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_pcx: broken rule: %s\n", what);
        std::abort();
    }
}

// Small enough that the fuzzer reaches the ceiling with short inputs.
constexpr qint64 kCeiling = 4 * 1024 * 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Raw data, no copy: a read past the fuzzer's buffer is then caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    QString headerError;
    const std::optional<Pcx::Header> header = Pcx::readHeader(bytes, &headerError);
    check(header.has_value() == headerError.isEmpty(), "a refused header says why");

    QString error;
    const QImage image = Pcx::read(bytes, &error, kCeiling);
    check(image.isNull() != error.isEmpty(), "a failure has a reason, a success none");
    if (image.isNull())
        return 0;
    check(header.has_value(), "a picture only from a valid header");
    check(image.width() == header->width && image.height() == header->height, "picture size from the header");
    check(image.sizeInBytes() <= kCeiling, "picture within the ceiling");
    check(Pcx::plausible(bytes.left(Pcx::kHeaderSize), bytes.size(), nullptr, kCeiling),
          "a file that decodes passes the header check");
    if (image.format() == QImage::Format_Indexed8)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                check(image.pixelIndex(x, y) < image.colorCount(), "every index inside the palette");
    return 0;
}
