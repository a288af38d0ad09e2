#pragma once

#include <QString>
#include <QStringList>

inline constexpr int kMaxHtmlExtensions = 15;
inline constexpr const char *kHtmlExtensionsFileName = "htmlext.dat";

// The extensions treated as HTML files, one per line in "htmlext.dat" without a dot.
QStringList defaultHtmlExtensions();
// The file's lines (trimmed, blank lines skipped), or the defaults when it cannot be read.
QStringList readHtmlExtensions(const QString &programFolder);

// The masks and file-dialog filters built from the first 15 extensions.
struct HtmlFileMasks {
    QString masks;          // "*.html;*.htm;..."
    QString openFilter;     // Open HTML File dialog
    QString filesTabFilter; // the Files tab's file-type box
};
HtmlFileMasks buildHtmlFileMasks(const QStringList &extensions);

// The save dialog's fixed filter; entry 1 projects, entry 2 HTML files.
QString mainSaveFilter();
