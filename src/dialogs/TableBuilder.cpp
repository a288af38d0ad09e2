#include "dialogs/TableBuilder.h"

#include <algorithm>

namespace {
QString numberPart(const char *name, int value)
{
    return value != 0 ? QLatin1Char(' ') + QLatin1String(name) + QLatin1Char('=') + QString::number(value) : QString();
}

QString textPart(const char *name, const QString &value)
{
    return value.isEmpty() ? QString() : QLatin1Char(' ') + QLatin1String(name) + QLatin1Char('=') + value;
}

// The sampler's caps keep its cells inside the panel.
constexpr int kBorderCap = 6;
constexpr int kSpacingCap = 8;
constexpr int kPaddingCap = 6;
constexpr int kCellWidth = 35;
constexpr int kCellHeight = 17;
} // namespace

namespace TableBuilder {

QString widthPart(const TableFields &fields)
{
    if (fields.percentWidth)
        return fields.percent != 0 ? QStringLiteral(" WIDTH=\"%1%\"").arg(fields.percent) : QString();
    // A zero pixel width still leaves its blank: "<TABLE >".
    return fields.pixels != 0 ? QStringLiteral(" WIDTH=%1").arg(fields.pixels) : QStringLiteral(" ");
}

QString openingTag(const TableFields &fields)
{
    return QStringLiteral("<TABLE") + numberPart("CELLPADDING", fields.padding) +
           numberPart("CELLSPACING", fields.spacing) + widthPart(fields) + numberPart("BORDER", fields.border) +
           textPart("ALIGN", fields.align) + textPart("VALIGN", fields.valign) + QLatin1Char('>');
}

QStringList lines(const TableFields &fields)
{
    QStringList out{openingTag(fields)};
    if (!fields.caption.isEmpty())
        out << (fields.captionBottom ? QStringLiteral("   <CAPTION ALIGN=BOTTOM>")
                                     : QStringLiteral("   <CAPTION ALIGN=TOP>")) +
                   fields.caption + QStringLiteral("</CAPTION>");
    const int rows = std::max(0, fields.rows);
    const int columns = std::max(0, fields.columns);
    for (int row = 0; row < rows; ++row) {
        out << QStringLiteral("<TR>");
        const QStringList cells = fields.cells.value(row);
        for (int column = 0; column < columns; ++column)
            out << QStringLiteral("    <TD>") + cells.value(column) + QStringLiteral("</TD>");
        out << QStringLiteral("</TR>");
    }
    out << QStringLiteral("</TABLE>");
    return out;
}

QString text(const TableFields &fields)
{
    QString result;
    for (const QString &line : lines(fields))
        result += line + QStringLiteral("\r\n");
    return result;
}

SamplerGeometry samplerGeometry(int border, int padding, int spacing)
{
    const int b = std::clamp(border, 0, kBorderCap);
    const int s = std::clamp(spacing, 0, kSpacingCap);
    const int p = std::clamp(padding, 0, kPaddingCap);
    SamplerGeometry g;
    g.bevel = b;
    const QSize cell(2 * p + kCellWidth, 2 * p + kCellHeight);
    g.cell1 = QRect(QPoint(b + s + 2, b + s + 2), cell);
    g.cell2 = QRect(QPoint(g.cell1.left() + cell.width() + s + 1, g.cell1.top()), cell);
    g.cell3 = QRect(QPoint(g.cell1.left(), g.cell1.top() + cell.height() + s + 1), cell);
    return g;
}

} // namespace TableBuilder
