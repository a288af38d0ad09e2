#include "imaging/PcxReader.h"

#include <QList>
#include <QRgb>

#include <array>
#include <cstring>

namespace Pcx {
namespace {

const QString kNotPcx = QStringLiteral("Not a PCX picture.");
const QString kUnsupported = QStringLiteral("Unsupported PCX colour format.");
const QString kBadLineLength = QStringLiteral("PCX line length does not fit the picture width.");
const QString kTooLarge = QStringLiteral("The picture is too large to load.");
const QString kTruncated = QStringLiteral("The PCX data ends before the picture is complete.");

int u16(const uchar *p)
{
    return p[0] | (p[1] << 8);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool supportedDepth(const Header &h)
{
    if (h.bitsPerPixel == 1)
        return h.planes == 1 || h.planes == 3 || h.planes == 4;
    if (h.bitsPerPixel == 4)
        return h.planes == 1;
    if (h.bitsPerPixel == 8)
        return h.planes == 1 || h.planes == 3;
    return false;
}

// The 16 colours of an EGA/VGA text-mode screen, for files that carry no palette of their own.
const std::array<QRgb, 16> kEgaPalette = {
    qRgb(0, 0, 0),     qRgb(0, 0, 170),    qRgb(0, 170, 0),    qRgb(0, 170, 170),
    qRgb(170, 0, 0),   qRgb(170, 0, 170),  qRgb(170, 85, 0),   qRgb(170, 170, 170),
    qRgb(85, 85, 85),  qRgb(85, 85, 255),  qRgb(85, 255, 85),  qRgb(85, 255, 255),
    qRgb(255, 85, 85), qRgb(255, 85, 255), qRgb(255, 255, 85), qRgb(255, 255, 255),
};

qint64 scanlineBytes(const Header &h)
{
    return qint64(h.bytesPerLine) * h.planes;
}

bool checkSizes(const Header &h, qint64 fileSize, qint64 maxImageBytes, QString *error)
{
    const qint64 pixelBytes = h.totalBits() == 24 ? 4 : 1;
    if (qint64(h.width) * h.height * pixelBytes > maxImageBytes) {
        setError(error, kTooLarge);
        return false;
    }
    // An RLE pair gives at most 63 bytes; raw data gives one byte per byte. A file too short
    // to fill every line is refused before any line buffer or picture exists.
    const qint64 data = std::max<qint64>(0, fileSize - kHeaderSize);
    const qint64 mostDecodable = h.encoding == 1 ? (data / 2) * 63 + (data % 2) : data;
    if (scanlineBytes(h) * h.height > mostDecodable) {
        setError(error, kTruncated);
        return false;
    }
    return true;
}

// Streams decoded bytes, carrying a run over a line end as many encoders do.
class Decoder {
public:
    Decoder(const uchar *data, qint64 size, bool rle) : m_data(data), m_size(size), m_rle(rle) {}

    bool fill(uchar *out, qint64 count)
    {
        qint64 done = 0;
        while (done < count) {
            if (m_runLeft > 0) {
                const qint64 n = std::min<qint64>(m_runLeft, count - done);
                std::memset(out + done, m_runValue, size_t(n));
                m_runLeft -= int(n);
                done += n;
                continue;
            }
            if (m_pos >= m_size)
                return false;
            const uchar c = m_data[m_pos++];
            if (m_rle && (c & 0xC0) == 0xC0) {
                if (m_pos >= m_size)
                    return false;
                m_runLeft = c & 0x3F;
                m_runValue = m_data[m_pos++];
            } else {
                out[done++] = c;
            }
        }
        return true;
    }

private:
    const uchar *m_data;
    qint64 m_size;
    bool m_rle;
    qint64 m_pos = 0;
    int m_runLeft = 0;
    uchar m_runValue = 0;
};

QList<QRgb> paletteFor(const Header &h, const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    QList<QRgb> colours;
    if (h.totalBits() == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (h.totalBits() == 8) {
        // Version 5 files end in 0x0C and 768 palette bytes; older ones get a grey ramp.
        const qint64 at = bytes.size() - 769;
        if (at >= kHeaderSize && p[at] == 0x0C) {
            for (int i = 0; i < 256; ++i)
                colours << qRgb(p[at + 1 + i * 3], p[at + 2 + i * 3], p[at + 3 + i * 3]);
        } else {
            for (int i = 0; i < 256; ++i)
                colours << qRgb(i, i, i);
        }
        return colours;
    }
    // 3 or 4 colour bits: the header's 16-colour palette, except version 3 which has none.
    const int count = 1 << h.totalBits();
    for (int i = 0; i < count; ++i) {
        if (h.version == 3)
            colours << kEgaPalette[size_t(i)];
        else
            colours << qRgb(p[16 + i * 3], p[17 + i * 3], p[18 + i * 3]);
    }
    return colours;
}

} // namespace

std::optional<Header> readHeader(const QByteArray &bytes, QString *error)
{
    if (bytes.size() < kHeaderSize) {
        setError(error, kNotPcx);
        return std::nullopt;
    }
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    Header h;
    h.version = p[1];
    h.encoding = p[2];
    h.bitsPerPixel = p[3];
    const int xMin = u16(p + 4), yMin = u16(p + 6), xMax = u16(p + 8), yMax = u16(p + 10);
    h.planes = p[65];
    h.bytesPerLine = u16(p + 66);
    h.paletteInfo = u16(p + 68);
    const bool knownVersion = h.version == 0 || h.version == 2 || h.version == 3 || h.version == 4 || h.version == 5;
    if (p[0] != 0x0A || !knownVersion || (h.encoding != 0 && h.encoding != 1) || xMax < xMin || yMax < yMin) {
        setError(error, kNotPcx);
        return std::nullopt;
    }
    h.width = xMax - xMin + 1;
    h.height = yMax - yMin + 1;
    if (!supportedDepth(h)) {
        setError(error, kUnsupported);
        return std::nullopt;
    }
    if (qint64(h.bytesPerLine) * 8 < qint64(h.width) * h.bitsPerPixel) {
        setError(error, kBadLineLength);
        return std::nullopt;
    }
    return h;
}

bool plausible(const QByteArray &bytes, qint64 fileSize, QString *error, qint64 maxImageBytes)
{
    const std::optional<Header> h = readHeader(bytes, error);
    return h && checkSizes(*h, fileSize, maxImageBytes, error);
}

QImage read(const QByteArray &bytes, QString *error, qint64 maxImageBytes)
{
    const std::optional<Header> h = readHeader(bytes, error);
    if (!h || !checkSizes(*h, bytes.size(), maxImageBytes, error))
        return {};

    const bool trueColour = h->totalBits() == 24;
    QImage image(h->width, h->height, trueColour ? QImage::Format_RGB32 : QImage::Format_Indexed8);
    if (image.isNull()) {
        setError(error, kTooLarge);
        return {};
    }
    if (!trueColour)
        image.setColorTable(paletteFor(*h, bytes));

    const auto *data = reinterpret_cast<const uchar *>(bytes.constData()) + kHeaderSize;
    Decoder decoder(data, bytes.size() - kHeaderSize, h->encoding == 1);
    QByteArray line(scanlineBytes(*h), Qt::Uninitialized);
    auto *in = reinterpret_cast<uchar *>(line.data());
    const int bpl = h->bytesPerLine;

    for (int y = 0; y < h->height; ++y) {
        if (!decoder.fill(in, line.size())) {
            setError(error, kTruncated);
            return {};
        }
        if (trueColour) {
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < h->width; ++x)
                out[x] = qRgb(in[x], in[bpl + x], in[2 * bpl + x]);
        } else if (h->bitsPerPixel == 8) {
            std::memcpy(image.scanLine(y), in, size_t(h->width));
        } else if (h->bitsPerPixel == 4) {
            uchar *out = image.scanLine(y);
            for (int x = 0; x < h->width; ++x)
                out[x] = (x & 1) ? (in[x / 2] & 0x0F) : (in[x / 2] >> 4);
        } else {
            // 1 bit in each plane: plane n gives bit n of the colour index.
            uchar *out = image.scanLine(y);
            for (int x = 0; x < h->width; ++x) {
                uchar index = 0;
                for (int plane = 0; plane < h->planes; ++plane)
                    if (in[plane * bpl + x / 8] & (0x80 >> (x % 8)))
                        index |= uchar(1 << plane);
                out[x] = index;
            }
        }
    }
    return image;
}

} // namespace Pcx
