#include "imaging/PictureComponent.h"

#include "imaging/PcxReader.h"
#include "platform/Prompts.h"
#include "platform/RegularFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace {

const QString kTooLarge = QStringLiteral("The picture is too large to load.");

enum class Road { None, Platform, Library };

struct Reader {
    Road road = Road::None;
    QByteArray qtFormat; // "pcx" is ours
    const QString *failText = nullptr;
};

// Only the first four characters of the extension count, except for today's web pictures
// whose extensions are longer (".jpeg", ".webp").
Reader readerFor(const QString &extension)
{
    const QString whole = extension.toUpper();
    if (whole == QLatin1String(".JPEG"))
        return {Road::Library, "jpeg", &PictureTexts::readJpgFailed};
    if (whole == QLatin1String(".WEBP"))
        return {Road::Library, "webp", &PictureTexts::readWebpFailed};
    if (whole == QLatin1String(".SVG"))
        return {Road::Library, "svg", &PictureTexts::readSvgFailed};
    const QString ext = whole.left(4);
    if (ext == QLatin1String(".WMF"))
        return {Road::Platform, "wmf", nullptr};
    if (ext == QLatin1String(".ICO"))
        return {Road::Platform, "ico", nullptr};
    if (ext == QLatin1String(".BMP") || ext == QLatin1String(".THB"))
        return {Road::Library, "bmp", &PictureTexts::readBmpFailed};
    if (ext == QLatin1String(".JPG") || ext == QLatin1String(".THJ"))
        return {Road::Library, "jpeg", &PictureTexts::readJpgFailed};
    if (ext == QLatin1String(".GIF"))
        return {Road::Library, "gif", &PictureTexts::readGifFailed};
    if (ext == QLatin1String(".TIF"))
        return {Road::Library, "tiff", &PictureTexts::readTifFailed};
    if (ext == QLatin1String(".PNG"))
        return {Road::Library, "png", &PictureTexts::readPngFailed};
    if (ext == QLatin1String(".PCX"))
        return {Road::Library, "pcx", &PictureTexts::readPcxFailed};
    return {};
}

// From the last "." of the file name; a dot in a folder name is no extension.
QString extensionOf(const QString &fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? fileName.mid(dot) : QString();
}

QList<QRgb> vgaPalette()
{
    static const QList<QRgb> colours = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return colours;
}

int megabytes(qint64 bytes)
{
    return int(bytes / (1024 * 1024));
}

} // namespace

int screenDepthCode(int screenBitsPerPixel)
{
    if (screenBitsPerPixel <= 4)
        return 4;
    if (screenBitsPerPixel <= 15)
        return 8;
    return 24;
}

int depthCode(ReadRes res, int screenDepth)
{
    switch (res) {
    case ReadRes::lColorVga:
        return 0;
    case ReadRes::lMonoChrome:
        return 1;
    case ReadRes::lColor16:
        return 4;
    case ReadRes::lColor256:
        return 8;
    case ReadRes::lColorTrue:
        return 24;
    case ReadRes::lAutoMatic:
        break;
    }
    return screenDepth;
}

int depthCode(WriteRes res, int screenDepth)
{
    switch (res) {
    case WriteRes::sColorVga:
        return 0;
    case WriteRes::sMonoChrome:
        return 1;
    case WriteRes::sColor16:
        return 4;
    case WriteRes::sColor256:
    case WriteRes::sJpegGray:
        return 8;
    case WriteRes::sColorTrue:
        return 24;
    case WriteRes::sAutoMatic:
        break;
    }
    return screenDepth;
}

QImage reducedToDepth(const QImage &image, int code, bool dither)
{
    if (image.isNull())
        return image;
    const Qt::ImageConversionFlags flags = dither ? Qt::DiffuseDither : Qt::ThresholdDither;
    switch (code) {
    case 1:
        return image.depth() == 1 ? image : image.convertToFormat(QImage::Format_Mono, flags);
    case 0:
    case 4:
        if (image.depth() <= 8 && image.colorCount() > 0 && image.colorCount() <= 16)
            return image;
        return image.convertToFormat(QImage::Format_Indexed8, vgaPalette(), flags);
    case 8:
        return image.depth() <= 8 ? image : image.convertToFormat(QImage::Format_Indexed8, flags);
    default:
        return image; // a true-colour screen shows every picture as it is
    }
}

PictureComponent::PictureComponent(Prompts &prompts) : m_prompts(prompts) {}

void PictureComponent::changed()
{
    if (m_changed)
        m_changed();
}

void PictureComponent::clearPicture()
{
    m_picture = QImage();
}

void PictureComponent::setPicture(const QImage &picture)
{
    m_picture = picture;
    changed();
}

bool PictureComponent::readLibraryPicture(const QByteArray &bytes, const QByteArray &qtFormat, QString *error)
{
    if (qtFormat == "pcx") {
        if (m_measureOnly)
            return Pcx::plausible(bytes.left(Pcx::kHeaderSize), bytes.size(), error, kMaxPictureBytes);
        const QImage image = Pcx::read(bytes, error, kMaxPictureBytes);
        if (image.isNull())
            return false;
        m_picture = reducedToDepth(image, depthCode(m_readRes, m_screenDepth), m_dither);
        return true;
    }

    // Its size comes from the file itself; drawing it needs the desktop's vector plugin, and
    // without one the picture is measured but not shown.
    if (qtFormat == "svg" && (m_measureOnly || !QImageReader::supportedImageFormats().contains("svg")))
        return true;

    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    QImageReader reader(&file, qtFormat);
    reader.setAutoDetectImageFormat(false); // the extension chose the reader, as it always has
    reader.setAllocationLimit(megabytes(kMaxPictureBytes));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > kMaxPictureBytes) {
        *error = kTooLarge;
        return false;
    }
    if (m_measureOnly) {
        if (reader.canRead() && size.isValid() && !size.isEmpty())
            return true;
        *error = reader.errorString();
        return false;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = reader.errorString();
        return false;
    }
    m_picture = reducedToDepth(image, depthCode(m_readRes, m_screenDepth), m_dither);
    return true;
}

LoadOutcome PictureComponent::load(const QString &fileName)
{
    const QString extension = extensionOf(fileName);
    const QFileInfo info(fileName);
    if (!info.isFile()) {
        clearPicture();
        m_imageName = PictureTexts::fileNotFound;
        changed();
        return m_lastOutcome = LoadOutcome::Missing;
    }

    const Reader reader = readerFor(extension);
    if (reader.road == Road::None)
        return m_lastOutcome = LoadOutcome::Ignored;

    // Read once, as a regular file only: a pipe or device never blocks or floods the window.
    QByteArray bytes;
    QString readError;
    const bool haveBytes = readRegularFile(fileName, bytes, &readError, kMaxPictureFileBytes);
    if (!haveBytes && info.size() > kMaxPictureFileBytes)
        readError = kTooLarge;

    if (reader.road == Road::Platform) {
        QBuffer file;
        file.setData(bytes);
        file.open(QIODevice::ReadOnly);
        QImageReader platform(&file, reader.qtFormat);
        platform.setAllocationLimit(megabytes(kMaxPictureBytes));
        const QImage image = haveBytes ? platform.read() : QImage();
        if (image.isNull()) {
            // Like an exception out of the platform's loader: picture gone, the rest as it was.
            clearPicture();
            changed();
            return m_lastOutcome = LoadOutcome::Failed;
        }
        m_picture = image;
        ImageFacts facts;
        facts.kind = extension.mid(1).toUpper();
        facts.width = image.width();
        facts.height = image.height();
        facts.bitsPerPixel = image.depth();
        facts.planes = 1;
        facts.frames = 1;
        facts.description = facts.kind;
        facts.fileSize = bytes.size();
        facts.valid = true;
        m_facts = facts;
        m_imageName = PictureTexts::nonLibraryImage;
        changed();
        return m_lastOutcome = LoadOutcome::Loaded;
    }

    clearPicture();
    QString error = readError;
    const bool read = haveBytes && readLibraryPicture(bytes, reader.qtFormat, &error);
    if (!read) {
        clearPicture();
        m_prompts.error(error);
        m_prompts.information(*reader.failText);
    }
    QString factsError;
    if (const std::optional<ImageFacts> facts = haveBytes ? imageFactsOf(bytes, &factsError) : std::nullopt) {
        m_facts = *facts;
    } else {
        m_prompts.error(haveBytes ? factsError : readError);
        m_facts.valid = false;
    }
    m_imageName = fileName.toUpper();
    changed();
    return m_lastOutcome = read && m_facts.valid ? LoadOutcome::Loaded : LoadOutcome::Failed;
}

void PictureComponent::reset()
{
    changed();
}

bool PictureComponent::writeBitmap(const QString &fileName)
{
    bool written = false;
    if (!m_picture.isNull()) {
        const QImage image = reducedToDepth(m_picture, depthCode(m_writeRes, m_screenDepth), m_dither);
        QSaveFile file(fileName);
        if (file.open(QIODevice::WriteOnly)) {
            QImageWriter writer(&file, "bmp");
            written = writer.write(image) && file.commit();
        }
    }
    if (!written)
        m_prompts.information(PictureTexts::writeBmpFailed);
    return written;
}

void PictureComponent::setStretch(bool on)
{
    m_stretch = on;
    if (on)
        m_stretchRatio = false;
    changed();
}

void PictureComponent::setStretchRatio(bool on)
{
    m_stretchRatio = on;
    if (on)
        m_stretch = false;
    changed();
}

void PictureComponent::setAutoSize(bool on)
{
    m_autoSize = on;
    changed();
}

void PictureComponent::setCenter(bool on)
{
    m_center = on;
    changed();
}

void PictureComponent::setBorderStyle(PictureBorder border)
{
    m_border = border;
    changed();
}

QRect PictureComponent::placement(const QSize &area) const
{
    if (m_picture.isNull())
        return {};
    const qint64 w = m_picture.width(), h = m_picture.height();
    const qint64 aw = area.width(), ah = area.height();
    if (m_stretch)
        return QRect(0, 0, int(aw), int(ah));
    if (m_stretchRatio) {
        if (aw <= 0 || ah <= 0)
            return {};
        if (w * ah >= h * aw) { // width decides
            const qint64 dh = std::max<qint64>(1, (h * aw + w / 2) / w);
            return QRect(0, int((ah - dh) / 2), int(aw), int(dh));
        }
        const qint64 dw = std::max<qint64>(1, (w * ah + h / 2) / h);
        return QRect(int((aw - dw) / 2), 0, int(dw), int(ah));
    }
    if (m_center)
        return QRect(int((aw - w) / 2), int((ah - h) / 2), int(w), int(h));
    return QRect(0, 0, int(w), int(h));
}
