#include "tools/SiteProjects.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace SiteProjects {
QStringList list(const QString &projectsFolder)
{
    QStringList names;
    const QDir dir(projectsFolder);
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden))
        if (file.fileName().endsWith(QLatin1String(".out"), Qt::CaseInsensitive))
            names << file.fileName().toUpper();
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

QString realFileName(const QString &folder, const QString &name)
{
    if (name.isEmpty() || QFileInfo::exists(folder + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return name;
}

QString pathFileOf(const QString &projectsFolder, const QString &shownName)
{
    const QString wanted = shownName.toLower().chopped(std::min<qsizetype>(3, shownName.size())) + QLatin1String("fil");
    return projectsFolder + realFileName(projectsFolder, wanted);
}

QString outlineFileOf(const QString &projectsFolder, const QString &shownName)
{
    return projectsFolder + realFileName(projectsFolder, shownName.toLower());
}

std::optional<QStringList> readPaths(const QString &projectsFolder, const QString &shownName)
{
    if (shownName.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> bytes = readFileBytes(pathFileOf(projectsFolder, shownName));
    if (!bytes)
        return std::nullopt;
    QStringList paths = ProjectFiles::parseLines(*bytes);
    for (QString &path : paths)
        path = ProjectFiles::resolvePagePath(projectsFolder, path);
    return paths;
}

std::optional<ProjectModel> read(const QString &projectsFolder, const QString &shownName, QString *error)
{
    if (shownName.isEmpty())
        return std::nullopt;
    return ProjectFiles::readProject(outlineFileOf(projectsFolder, shownName), pathFileOf(projectsFolder, shownName),
                                     error);
}

int indexOf(const QStringList &entries, const QString &projectName)
{
    if (projectName.isEmpty())
        return -1;
    return int(entries.indexOf(projectName.toUpper()));
}
} // namespace SiteProjects
