// Feeds arbitrary text to the spell parsers (string, 8-bit buffer and multi-line control),
// with word characters, skip options, a range start and the words to replace taken from the
// first bytes. Every word found lies in the range, in order, is made of word characters
// (addresses aside) and is the text at its position; a replaced word is found in the text;
// undoing never breaks the walk.
#include "editor/BufferEditorAccess.h"
#include "spell/TParser.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace {
struct Setup {
    QString wordCharacters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    bool skipTags = false;
    bool skipAddresses = false;
    bool skipQuoted = false;
    int rangeStart = 1;
    unsigned replaceEvery = 0; // 0: never
    int undos = 0;
};

// `currentText` gives the whole text as the parser counts it (line breaks counting two); it is
// read again only after a replacement, so a walk stays linear in the text for the common case.
void walk(TParser &parser, const Setup &setup, int textLength, const std::function<QString()> &currentText)
{
    QString text = currentText();
    const auto textAt = [&text](int at, int length) { return QStringView(text).mid(at - 1, length); };
    parser.setWordCharacters(setup.wordCharacters);
    parser.setSkipTags(setup.skipTags);
    parser.setSkipAddresses(setup.skipAddresses);
    parser.setSkipQuoted(setup.skipQuoted);
    parser.setRange(std::min(setup.rangeStart, textLength + 1), textLength);
    int previous = 0;
    for (unsigned count = 1; parser.nextWord(); ++count) {
        const int position = parser.position();
        if (position <= previous || position > parser.rangeEnd() || parser.wordLength() < 1)
            std::abort(); // words move forward, inside the range
        if (textAt(position, parser.wordLength()) != parser.wordView())
            std::abort(); // the word is the text where the parser says it is
        if (!parser.isAddressWord()) {
            for (QChar c : parser.wordView())
                if (!parser.isWordCharacter(c))
                    std::abort();
        }
        parser.pushUndo();
        previous = position;
        if (setup.replaceEvery && count % setup.replaceEvery == 0) {
            // Upper case of the ASCII letters only: an 8-bit buffer holds nothing beyond Latin-1.
            const QString replacement =
                count % 2 ? QString::fromLatin1(parser.word().toLatin1().toUpper()) : QStringLiteral("xy-");
            parser.replaceWord(replacement);
            text = currentText();
            if (textAt(position, int(replacement.size())) != replacement)
                std::abort();
            previous = position + int(replacement.size()) - 1;
        }
    }
    for (int i = 0; i < setup.undos && parser.popUndo(); ++i) {
    }
    while (parser.nextWord()) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    Setup setup;
    setup.skipTags = data[0] & 1;
    setup.skipAddresses = data[0] & 2;
    setup.skipQuoted = data[0] & 4;
    setup.undos = (data[0] >> 3) & 7;
    setup.wordCharacters += QChar(data[1]); // may add a blank, a quote or a tag bracket
    setup.rangeStart = 1 + data[2];
    setup.replaceEvery = data[3] % 4;
    const QByteArray latin1(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));
    const QString text = QString::fromLatin1(latin1);

    QString string = text;
    TStringParser stringParser(string);
    walk(stringParser, setup, int(string.size()), [&] { return string; });

    QByteArray buffer = latin1; // zero-terminated: the walk stops at the first NUL
    TBufferParser bufferParser(buffer);
    walk(bufferParser, setup, int(qstrlen(buffer.constData())),
         [&] { return QString::fromLatin1(buffer.constData()); });

    // The control's text in lines; positions count each line break as two characters.
    BufferEditorAccess editor(nullptr, QString(text).remove(QLatin1Char('\r')));
    TCustomMemoParser memoParser(editor);
    walk(memoParser, setup, editor.textLength(),
         [&] { return editor.plainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")); });
    return 0;
}
