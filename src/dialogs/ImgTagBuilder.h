#pragma once

#include <QString>
#include <QtGlobal>

// Everything of Power IMG that goes into its tag. Width, height and align are texts as
// typed; only ALT and SRC are quoted.
struct ImgFields {
    QString source;
    QString alt;
    QString width;
    QString height;
    QString align;
    int border = 0;
    bool ismap = false;
    bool relative = false;
    QString relativePath;
};

namespace ImgTagBuilder {

// The source as typed, behind the relative path when that is asked for.
QString source(const ImgFields &fields);
QString tag(const ImgFields &fields);

// "Dim: 120 X 60 pixels" / "Size: 3KB"; the prefix is "" after a click in the list and
// "File " for the picture taken over from the Files tab.
QString dimensionText(const QString &prefix, int width, int height);
// Kilobytes of 1000 bytes, remainder dropped.
QString sizeText(const QString &prefix, qint64 bytes);

} // namespace ImgTagBuilder
