#pragma once

#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>

// Files that an open, one typed character and a save must give back unchanged but for that
// character: each line keeps its own end, and characters the editing widget reserves stay.
struct RoundTripFile {
    const char *name;
    QByteArray bytes;
    QByteArray typeBefore; // the character is typed where this first occurs (a line start or inside a line)

    // The editor offset (line breaks counting two) of the typing place.
    int typingOffset() const
    {
        const QString before = decodeText(bytes.left(bytes.indexOf(typeBefore))).text;
        return int(before.size() + before.count(QLatin1Char('\n')));
    }
    // The file as it should be saved with `typed` put in at the typing place.
    QByteArray withTyped(const QByteArray &typed) const
    {
        return QByteArray(bytes).insert(bytes.indexOf(typeBefore), typed);
    }
    QByteArray firstLineEnd() const
    {
        const LineEnd end = decodeText(bytes).format.lineEnd;
        return end == LineEnd::CrLf ? "\r\n" : end == LineEnd::Lf ? "\n" : "\r";
    }
};

inline const RoundTripFile kRoundTripFiles[] = {
    {"stray CR in a CR LF file", "<P>a</P>\r\n<P>b\r</P>\r\n<P>c</P>\r\n", "c</P>"},
    {"mixed line ends", "one\r\ntwo\nthree\rfour\r\nfive", "three"},
    {"LF first, CR LF after", "a\nb\r\nc\r\nd\n", "c"},
    {"LF then CR is two breaks", "a\n\rbc\r\r\n", "c"},
    {"empty lines of every style", "\r\n\n\r\r\nx\n\r", "x"},
    {"U+2029 and U+2028 in UTF-8",
     "a\xE2\x80\xA9"
     "b\xE2\x80\xA8"
     "c\r\nd\xE2\x80\xA9\r\n",
     "d"},
    {"U+FDD0, U+FDD1 and U+FDEF in UTF-8", "\xEF\xB7\x90x\xEF\xB7\x91y\r\n\xEF\xB7\xAFz\n", "z"},
    {"8-bit text with a stray CR", "caf\xE9\r\nx\ry\r\n", "y"},
};
