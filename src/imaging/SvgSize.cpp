#include "imaging/SvgSize.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace SvgSize {
namespace {

// An absolute length in pixels; nullopt for a relative one (%, em) or none.
std::optional<double> pixels(const QString &text)
{
    static const QRegularExpression length(
        QStringLiteral("^\\s*([+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)\\s*(px|pt|pc|in|cm|mm)?\\s*$"));
    const QRegularExpressionMatch match = length.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.capturedView(1).toDouble();
    const QStringView unit = match.capturedView(2);
    const double perUnit = unit == u"pt"   ? 96.0 / 72
                           : unit == u"pc" ? 16.0
                           : unit == u"in" ? 96.0
                           : unit == u"cm" ? 96.0 / 2.54
                           : unit == u"mm" ? 96.0 / 25.4
                                           : 1.0;
    return value * perUnit;
}

// The viewBox's width and height when both are positive.
std::optional<QSizeF> viewBox(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    bool wide = false, high = false;
    const double w = parts[2].toDouble(&wide), h = parts[3].toDouble(&high);
    if (!wide || !high || !(w > 0) || !(h > 0))
        return std::nullopt;
    return QSizeF(w, h);
}

std::optional<QSize> rounded(double w, double h)
{
    if (!std::isfinite(w) || !std::isfinite(h) || w < 0.5 || h < 0.5 || w > kMaxSide || h > kMaxSide)
        return std::nullopt;
    return QSize(int(std::lround(w)), int(std::lround(h)));
}

} // namespace

std::optional<QSize> read(QByteArrayView bytes)
{
    QXmlStreamReader xml(bytes.toByteArray());
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() != u"svg")
            return std::nullopt; // the outer element decides
        const QXmlStreamAttributes attributes = xml.attributes();
        const std::optional<double> w = pixels(attributes.value(QLatin1String("width")).toString());
        const std::optional<double> h = pixels(attributes.value(QLatin1String("height")).toString());
        if (w && h)
            return rounded(*w, *h);
        const std::optional<QSizeF> box = viewBox(attributes.value(QLatin1String("viewBox")).toString());
        if (!box)
            return std::nullopt;
        if (w)
            return rounded(*w, *w * box->height() / box->width());
        if (h)
            return rounded(*h * box->width() / box->height(), *h);
        return rounded(box->width(), box->height());
    }
    return std::nullopt;
}

} // namespace SvgSize
