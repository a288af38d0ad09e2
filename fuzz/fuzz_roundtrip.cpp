// Loads arbitrary bytes into the editing widget as the document does, changes one character
// and saves: the file must change by that character only. Unchanged, it must come back byte
// for byte. The first three bytes of an input choose the edit, the rest is the file.
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/TextFile.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

HtmlEditor *edit = nullptr;
RichEditAccess *editor = nullptr;

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

// Where the character at `position` of the decoded text starts in the file, worked out from
// the bytes themselves.
qsizetype byteOffsetOf(const QByteArray &bytes, const DecodedText &file, qsizetype position)
{
    qsizetype at = file.format.utf8Bom ? 3 : 0;
    for (qsizetype i = 0; i < position; ++i) {
        const char16_t c = file.text.at(i).unicode();
        if (c == u'\n')
            at += bytes.at(at) == '\r' && at + 1 < bytes.size() && bytes.at(at + 1) == '\n' ? 2 : 1;
        else if (file.format.encoding == TextEncoding::Latin1 || c < 0x80)
            at += 1;
        else if (QChar::isHighSurrogate(c))
            at += 4, ++i;
        else
            at += c < 0x800 ? 2 : 3;
    }
    return at;
}

} // namespace

// The font library keeps its caches for the life of the process: no leak of the program's.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    edit = new HtmlEditor;
    editor = new RichEditAccess(*edit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));
    const DecodedText file = decodeText(bytes);
    editor->setPlainText(file.text);
    editor->setOtherLineEnds(file.otherLineEnds);
    check(encodeText(editor->plainText(), file.format, nullptr, editor->otherLineEnds()) == bytes,
          "an unchanged file comes back byte for byte");

    // The edit: a printable ASCII character put in, or put in place of one that is no line break.
    const QString text = file.text;
    qsizetype position = (data[0] | (data[1] << 8)) % (text.size() + 1);
    if (position > 0 && text.at(position - 1).isHighSurrogate())
        --position;
    const char typed = char(' ' + (data[2] & 0x7F) % 95);
    const bool replace = (data[2] & 0x80) && position < text.size() && text.at(position) != u'\n';
    const qsizetype replacedChars = replace ? (text.at(position).isHighSurrogate() ? 2 : 1) : 0;
    const int offset = int(position + QStringView(text).left(position).count(u'\n'));
    editor->setSelection(offset, int(replacedChars));
    editor->replaceSelection(QString(QLatin1Char(typed)));

    QString edited = text;
    edited.replace(position, replacedChars, QLatin1Char(typed));
    check(editor->plainText() == edited, "the window holds the edited text");
    const QByteArray saved = encodeText(editor->plainText(), file.format, nullptr, editor->otherLineEnds());
    const qsizetype from = byteOffsetOf(bytes, file, position);
    const qsizetype to = byteOffsetOf(bytes, file, position + replacedChars);
    const QByteArray expected = QByteArray(bytes).replace(from, to - from, QByteArray(1, typed));
    // Only where those bytes would read back as another text (8-bit bytes that became valid
    // UTF-8) may the file change more, and then it must read back as the edited text.
    if (decodeText(expected).text == edited)
        check(saved == expected, "only the edited character changes");
    else
        check(decodeText(saved).text == edited, "the saved file reads back as the edited text");
    return 0;
}
