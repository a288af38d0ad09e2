#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The scans the site tools run over the bytes of one page file. They work on the bytes as
// stored, a line at a time (lines end at CR LF, a lone CR or a lone LF), and decode only the
// pieces they keep: as UTF-8 when the piece is valid UTF-8, otherwise byte for byte.
namespace PageScans {
// Calls `line(bytes, number)` for each line, numbered from 0; stops when it returns false.
void forEachLine(QByteArrayView bytes, const std::function<bool(QByteArrayView, int)> &line);

QString decodePiece(QByteArrayView piece);

// Every quoted value of every line that names a picture, cut to its bare file name (after
// the last "/" or "\") and spelled as written; duplicates kept, in file order.
QStringList pictures(QByteArrayView bytes);

// The HREF values of the tags whose first quoted value is the link, as written.
QStringList links(QByteArrayView bytes);
QStringList linksOfLine(QByteArrayView line);

// The values that name another file or address: HREF of A, AREA and LINK; SRC of IMG,
// SCRIPT, FRAME and IFRAME; BACKGROUND of BODY, TABLE, TR, TD and TH. Names in any case,
// values in double, single or no quotes, tags and values over several lines; comments and
// the text of SCRIPT and STYLE elements are passed over. `found` gets each value as written
// and the number, from 0, of the line it starts on.
void forEachReference(QByteArrayView bytes, const std::function<void(QByteArrayView value, int line)> &found);

// The numbers (from 0) of the lines that contain a text, compared in lower case.
class TextSearch final {
public:
    explicit TextSearch(const QString &text);
    QList<int> matchingLines(QByteArrayView bytes) const;

private:
    QList<int> slowMatchingLines(QByteArrayView bytes) const;
    // The next place of the ASCII text, letters compared without case (Horspool).
    qsizetype find(const unsigned char *bytes, qsizetype size, qsizetype from) const;

    QString m_lower;
    bool m_ascii = false;
    QByteArray m_needle; // lower case
    qsizetype m_skip[256] = {};
};
} // namespace PageScans
