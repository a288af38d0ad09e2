#pragma once

#include <QByteArray>
#include <QString>

// About `bytes` of table, list and paragraph markup, a tag every 10 bytes or so, CR LF line ends.
QByteArray taggedPage(qsizetype bytes);

// The same page as one line: each line break becomes two spaces, so size and tags stay.
QByteArray onOneLine(QByteArray page);

// Writes a page for a benchmark to open; false when it cannot.
bool writePage(const QString &path, const QByteArray &page);

// The bench build's folder (bin/ holds the program's shipped files, spell/ among them).
QString benchRoot();
