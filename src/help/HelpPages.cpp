#include "help/HelpPages.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "project/ProjectModel.h"

namespace HelpPages {
std::optional<QStringList> readPageList(const QString &programFolder)
{
    const std::optional<QByteArray> bytes = readFileBytes(programFolder + QStringLiteral("help/welcome.fil"));
    if (!bytes)
        return std::nullopt;
    return ProjectFiles::parseLines(*bytes);
}

int firstPage(const QStringList &pages, const QString &projectName, const QString &openFileName)
{
    if (projectName.toLower() != helpProjectName)
        return 0;
    const qsizetype found = pages.lastIndexOf(fileNamePart(openFileName));
    return found < 0 ? 0 : int(found);
}
} // namespace HelpPages
