#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// ZSoft PCX pictures: 1 bit (mono, or 1 bit in 3 or 4 planes), 4 bits packed, 8 bits with a
// 256-colour palette, and 24 bits as three 8-bit planes; RLE or raw. Every offset is checked
// against the buffer, and nothing is allocated before the data has been shown to be able to
// fill it, so a lying header costs nothing.
namespace Pcx {

inline constexpr int kHeaderSize = 128;
// The same ceiling Qt's own readers use: a picture needing more is refused, not allocated.
inline constexpr qint64 kDefaultMaxImageBytes = 256LL * 1024 * 1024;

struct Header {
    int version = 0;
    int encoding = 0;     // 1 RLE, 0 raw
    int bitsPerPixel = 0; // per plane
    int planes = 0;
    int bytesPerLine = 0; // per plane
    int width = 0;
    int height = 0;
    int paletteInfo = 0;

    int totalBits() const { return bitsPerPixel * planes; }
};

// The header alone; nullopt with a reason when the bytes are no PCX picture this reader takes.
std::optional<Header> readHeader(const QByteArray &bytes, QString *error = nullptr);

// Decodes a whole file. A null image and a reason on failure.
QImage read(const QByteArray &bytes, QString *error = nullptr, qint64 maxImageBytes = kDefaultMaxImageBytes);

// Checks what can be checked without decoding: the header, the size ceiling, and that the
// file holds enough data to fill the picture.
bool plausible(const QByteArray &bytes, qint64 fileSize, QString *error = nullptr,
               qint64 maxImageBytes = kDefaultMaxImageBytes);

} // namespace Pcx
