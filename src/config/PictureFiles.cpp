#include "config/PictureFiles.h"

#include "platform/ProgramFolder.h"

#include <QDir>

namespace PictureFiles {

const QStringList &extensions()
{
    static const QStringList list{QStringLiteral(".png"), QStringLiteral(".jpeg"), QStringLiteral(".jpg"),
                                  QStringLiteral(".gif"), QStringLiteral(".svg"),  QStringLiteral(".webp")};
    return list;
}

QString masks()
{
    QStringList masks;
    for (const QString &extension : extensions())
        masks << QLatin1Char('*') + extension;
    return masks.join(QLatin1Char(';'));
}

bool isPicture(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QStringView extension = fileName.mid(dot);
    for (const QString &known : extensions())
        if (extension.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString source(const QString &prefix, const QString &fileName)
{
    return prefix + fileName;
}

QString relativeTo(const QString &pageFolder, const QString &picturePath)
{
    // The folder prefix as Power IMG's relative path would be typed: "images/", "../", "".
    QString prefix = QDir(pageFolder).relativeFilePath(QDir::fromNativeSeparators(folderPart(picturePath)));
    while (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    prefix = (prefix.isEmpty() || prefix == QLatin1String(".")) ? QString() : prefix + QLatin1Char('/');
    return source(prefix, fileNamePart(picturePath));
}

} // namespace PictureFiles
