#include "dialogs/ImgTagBuilder.h"

#include "config/PictureFiles.h"

namespace ImgTagBuilder {

QString source(const ImgFields &fields)
{
    // The name as typed: a browser on a case-sensitive disk finds BIG.GIF only as BIG.GIF.
    return PictureFiles::source(fields.relative ? fields.relativePath : QString(), fields.source);
}

QString tag(const ImgFields &fields)
{
    QString tag = QStringLiteral("<IMG");
    if (!fields.align.isEmpty())
        tag += QStringLiteral(" ALIGN=") + fields.align;
    tag += QStringLiteral(" BORDER=") + QString::number(fields.border); // also when 0
    if (!fields.height.isEmpty())
        tag += QStringLiteral(" HEIGHT=") + fields.height;
    if (!fields.width.isEmpty())
        tag += QStringLiteral(" WIDTH=") + fields.width;
    if (!fields.alt.isEmpty())
        tag += QStringLiteral(" ALT=\"") + fields.alt + QLatin1Char('"');
    tag += QStringLiteral(" SRC=\"") + source(fields) + QLatin1Char('"');
    if (fields.ismap)
        tag += QStringLiteral(" ISMAP");
    tag += QLatin1Char('>');
    return tag;
}

QString dimensionText(const QString &prefix, int width, int height)
{
    return prefix + QStringLiteral("Dim: %1 X %2 pixels").arg(width).arg(height);
}

QString sizeText(const QString &prefix, qint64 bytes)
{
    return prefix + QStringLiteral("Size: %1KB").arg(bytes / 1000);
}

} // namespace ImgTagBuilder
