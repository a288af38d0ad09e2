// Feeds arbitrary bytes to the settings-file parser: lookups must not crash, a text
// decode/encode must be stable, and a written value must read back without disturbing
// any other key.
#include "platform/IniText.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_ini: broken rule: %s\n", what);
        std::abort();
    }
}

QString lineOf(const QString &text, int index)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    return index < lines.size() ? lines.at(index).left(64) : QString();
}

struct Probe {
    QString section;
    QString key;
    std::optional<QString> value;
};

// Every key the parser lists, with its value; capped so large inputs stay quick.
QList<Probe> probesOf(const IniText &ini)
{
    QList<Probe> probes;
    const QStringList sections = ini.sections();
    for (const QString &section : sections.mid(0, 16)) {
        const QStringList keys = ini.keys(section);
        for (const QString &key : keys.mid(0, 16)) {
            const std::optional<QString> value = ini.value(section, key);
            check(value.has_value(), "a listed key has a value");
            IniText::parseInt(*value);
            probes.append({section, key, value});
        }
    }
    probes.append({QStringLiteral("Settings"), QStringLiteral("Key"), ini.value(u"Settings", u"Key")});
    probes.append({QString(), QStringLiteral("Key"), ini.value(u"", u"Key")});
    return probes;
}

bool sameName(const QString &a, const QString &b)
{
    return IniText::trimmed(a).compare(IniText::trimmed(b), Qt::CaseInsensitive) == 0;
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Other keys keep their values, and the rewritten bytes read back in the format written
// (plain ASCII reads as UTF-8 whatever it was written as).
void checkOthersUnchanged(const QList<Probe> &before, const QByteArray &bytes, const TextFormat &written,
                          const QString &section, const QString &key)
{
    const IniText after(bytes);
    check(after.format().encoding == written.encoding || isAscii(bytes), "rewrite reads back in its encoding");
    check(after.format().utf8Bom == written.utf8Bom, "rewrite keeps its BOM");
    for (const Probe &p : before) {
        if (sameName(p.section, section) && sameName(p.key, key))
            continue;
        check(after.value(p.section, p.key) == p.value, "other keys unchanged");
    }
}

// The bytes with every line break in the style of the first: what a decode and encode
// must give back.
QByteArray withUniformLineEnds(const QByteArray &bytes, LineEnd style)
{
    const QByteArray breakBytes = style == LineEnd::CrLf ? "\r\n" : style == LineEnd::Lf ? "\n" : "\r";
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            out += breakBytes;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (bytes[i] == '\n') {
            out += breakBytes;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

void checkTextRoundTrip(const QByteArray &bytes)
{
    const DecodedText decoded = decodeText(bytes);
    check(!decoded.text.contains(QLatin1Char('\r')), "no CR left after decoding");
    check(decoded.text.size() <= bytes.size(), "never more characters than bytes");
    TextFormat used;
    const QByteArray encoded = encodeText(decoded.text, decoded.format, &used);
    check(used == decoded.format, "decoded text fits its own format");
    check(encoded == withUniformLineEnds(bytes, decoded.format.lineEnd), "bytes come back, line ends made uniform");
    const DecodedText again = decodeText(encoded);
    check(again.text == decoded.text, "re-decoded text equal");
    check(again.format == decoded.format, "re-decoded format equal");
    check(encodeText(again.text, again.format) == encoded, "encoding is stable");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Raw data, no copy: a read past the fuzzer's buffer is then caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const unsigned choice = size ? data[size - 1] : 0;

    checkTextRoundTrip(bytes);

    const IniText ini(bytes);
    const QList<Probe> before = probesOf(ini);

    // Names from the file reach the replace and insert paths; lines of the raw text
    // bring names the writer has to refuse.
    QString section;
    switch (choice & 3) {
    case 0:
        section = QStringLiteral("Settings");
        break;
    case 1:
        section = before.size() > 2 ? before.first().section : QStringLiteral("S");
        break;
    case 2:
        section = lineOf(decodeText(bytes).text, 0);
        break;
    case 3:
        section = ini.sections().value(int(choice >> 2) % qMax<qsizetype>(1, ini.sections().size()));
        break;
    }
    QString key;
    switch ((choice >> 2) & 3) {
    case 0:
        key = QStringLiteral("Key");
        break;
    case 1:
        key = before.size() > 2 ? before.first().key : QStringLiteral("K");
        break;
    case 2:
        key = lineOf(decodeText(bytes).text, 1);
        break;
    case 3:
        key = ini.keys(section).value(0, QStringLiteral("k"));
        break;
    }
    static const QString values[] = {
        QString(),
        QStringLiteral("v"),
        QStringLiteral("  padded  "),
        QStringLiteral("\"quoted\""),
        QString(QChar(0xE9)),
        QString(QChar(0x20AC)),
        QStringLiteral("a=b ; [c]"),
        QStringLiteral("two\nlines"),
    };
    const QString &value = values[(choice >> 4) & 7];

    TextFormat written;
    const std::optional<QByteArray> updated = ini.withValue(section, key, value, &written);
    check(updated.has_value() == IniText::canStore(section, key, value), "writes refused exactly when unstorable");
    if (!updated)
        return 0;

    const IniText after(*updated);
    check(after.value(section, key) == value, "written value reads back");
    check(after.format().lineEnd == LineEnd::CrLf || !updated->contains('\n'), "rewrites use CR LF");
    checkOthersUnchanged(before, *updated, written, section, key);

    TextFormat deletedFormat;
    const std::optional<QByteArray> removed = after.withoutKey(section, key, &deletedFormat);
    check(removed.has_value(), "a written key can be deleted");
    checkOthersUnchanged(before, *removed, deletedFormat, section, key);
    return 0;
}
