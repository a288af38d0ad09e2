#include "imaging/ImageFacts.h"

#include "imaging/PcxReader.h"
#include "imaging/SvgSize.h"

#include "platform/RegularFile.h"

#include <QBuffer>
#include <QImageReader>

namespace {

const QString kUnknownKind = QStringLiteral("Not a GIF, JPEG, BMP, PNG, TIFF, PCX, WebP or SVG picture.");
// An SVG names its size in its outer element, which sits near the top of the file.
constexpr qint64 kSvgHeadBytes = 1024 * 1024;
const QString kCannotOpen = QStringLiteral("The file cannot be opened.");

struct KnownFormat {
    const char *qtName;
    const char *kind;
    const char *description;
};

const KnownFormat kKnownFormats[] = {
    {"bmp", "BMP", "Windows bitmap"},
    {"gif", "GIF", "Graphics Interchange Format"},
    {"jpeg", "JPEG", "JPEG/JFIF"},
    {"png", "PNG", "Portable Network Graphics"},
    {"tiff", "TIFF", "Tagged Image File Format"},
    {"webp", "WEBP", "WebP"},
};

} // namespace

std::optional<ImageFacts> readImageFacts(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!readRegularFile(path, bytes, nullptr, kMaxPictureFileBytes)) {
        if (error)
            *error = kCannotOpen;
        return std::nullopt;
    }
    return imageFactsOf(bytes, error);
}

std::optional<ImageFacts> imageFactsOf(const QByteArray &bytes, QString *error)
{
    ImageFacts facts;
    facts.fileSize = bytes.size();

    if (const std::optional<Pcx::Header> pcx = Pcx::readHeader(bytes.left(Pcx::kHeaderSize))) {
        facts.kind = QStringLiteral("PCX");
        facts.width = pcx->width;
        facts.height = pcx->height;
        facts.bitsPerPixel = pcx->totalBits();
        facts.planes = pcx->planes;
        facts.frames = 1;
        facts.description = QStringLiteral("ZSoft PCX version %1").arg(pcx->version);
        facts.valid = true;
        return facts;
    }

    // Format from the content only: a GIF named .jpg is still a GIF here.
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    for (const KnownFormat &known : kKnownFormats) {
        if (format != known.qtName)
            continue;
        const QSize size = reader.size();
        if (!size.isValid() || size.isEmpty())
            break;
        facts.kind = QLatin1String(known.kind);
        facts.width = size.width();
        facts.height = size.height();
        const QImage::Format pixelFormat = reader.imageFormat();
        facts.bitsPerPixel =
            pixelFormat == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(pixelFormat).bitsPerPixel();
        facts.planes = 1;
        facts.frames = std::max(1, reader.imageCount());
        facts.description = QLatin1String(known.description);
        facts.valid = true;
        return facts;
    }
    if (format.isEmpty() || format.startsWith("svg")) { // no vector plugin, or one that knows it
        file.seek(0);
        if (const std::optional<QSize> size = SvgSize::read(file.read(kSvgHeadBytes))) {
            facts.kind = QStringLiteral("SVG");
            facts.width = size->width();
            facts.height = size->height();
            facts.frames = 1;
            facts.description = QStringLiteral("Scalable Vector Graphics");
            facts.valid = true;
            return facts;
        }
    }
    if (error)
        *error = kUnknownKind;
    return std::nullopt;
}
