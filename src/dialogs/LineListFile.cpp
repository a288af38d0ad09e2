#include "dialogs/LineListFile.h"

LineList parseLineList(const QByteArray &bytes)
{
    const DecodedText file = decodeText(bytes);
    LineList list{{}, file.format};
    if (!file.text.isEmpty()) {
        list.lines = file.text.split(QLatin1Char('\n'));
        if (list.lines.last().isEmpty())
            list.lines.removeLast();
    }
    return list;
}

QByteArray encodeLineList(const QStringList &lines, TextFormat format)
{
    format.lineEnd = LineEnd::CrLf;
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return encodeText(text, format);
}

std::optional<LineList> readLineList(const QString &path)
{
    const std::optional<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return parseLineList(*bytes);
}

bool writeLineList(const QString &path, const QStringList &lines, TextFormat format, QString *error)
{
    return writeFileAtomically(path, encodeLineList(lines, format), error);
}

QString cannotWriteDataFile(const QString &error)
{
    return error + QStringLiteral("\nThe list keeps your change until the program closes, but it is not saved.");
}
