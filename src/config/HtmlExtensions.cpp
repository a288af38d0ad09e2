#include "config/HtmlExtensions.h"

#include "config/PictureFiles.h"
#include "platform/TextFile.h"

QStringList defaultHtmlExtensions()
{
    return {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("shtml"), QStringLiteral("shtm"),
            QStringLiteral("asp")};
}

QStringList readHtmlExtensions(const QString &programFolder)
{
    const std::optional<DecodedText> file = readTextFile(programFolder + QLatin1String(kHtmlExtensionsFileName));
    if (!file)
        return defaultHtmlExtensions();
    QStringList extensions;
    for (const QString &line : file->text.split(QLatin1Char('\n'))) {
        const QString extension = line.trimmed();
        if (!extension.isEmpty())
            extensions << extension;
    }
    return extensions;
}

HtmlFileMasks buildHtmlFileMasks(const QStringList &extensions)
{
    QStringList masks;
    for (const QString &extension : extensions.mid(0, kMaxHtmlExtensions))
        masks << QStringLiteral("*.") + extension;
    HtmlFileMasks result;
    result.masks = masks.join(QLatin1Char(';'));
    result.openFilter = QStringLiteral("HTML Files|") + result.masks +
                        QStringLiteral("|Project Files|*.out|EXE Files|*.exe|All Files|*.*");
    result.filesTabFilter = QStringLiteral("All Files|*.*|Image Files|") + PictureFiles::masks() +
                            QStringLiteral("|HTML Files|") + result.masks + QStringLiteral("|All Web Files|") +
                            PictureFiles::masks() + QLatin1Char(';') + result.masks;
    return result;
}

QString mainSaveFilter()
{
    return QStringLiteral("Project File|*.out|HTML Files|*.html;*.shtml;*.htm;*.sht;*.asp;*.cgi|All Files|*.*");
}
