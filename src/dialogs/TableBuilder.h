#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// Everything of Power TABLE that goes into its text. Cell texts are indexed [row][column];
// a missing cell is empty.
struct TableFields {
    int rows = 2;
    int columns = 2;
    bool percentWidth = false;
    int pixels = 0;
    int percent = 90;
    int border = 0;
    int padding = 0;
    int spacing = 0;
    QString align;
    QString valign;
    QString caption;
    bool captionBottom = false;
    QList<QStringList> cells;
};

namespace TableBuilder {

// The attribute parts, each with its leading blank, empty when not set.
QString widthPart(const TableFields &fields);
QString openingTag(const TableFields &fields);
QStringList lines(const TableFields &fields);
// The lines, each ended by CR LF.
QString text(const TableFields &fields);

// The Effect Sampler: the panel's bevel and the three cells, from the border, padding and
// spacing values (negative ones count as 0).
struct SamplerGeometry {
    int bevel = 0;
    QRect cell1;
    QRect cell2;
    QRect cell3;
};
SamplerGeometry samplerGeometry(int border, int padding, int spacing);

} // namespace TableBuilder
