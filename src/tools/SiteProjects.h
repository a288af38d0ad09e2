#pragma once

#include "project/ProjectModel.h"

#include <QString>
#include <QStringList>

#include <optional>

// The projects of the projects folder as the site tools offer them: upper-cased names in a
// combo box, mapped back to the real files (file names are case-sensitive here).
namespace SiteProjects {
// Upper-cased names of the files ending in ".out" (any case), sorted.
QStringList list(const QString &projectsFolder);
// The file of `folder` whose name equals `name` ignoring case (an exact match first);
// `name` itself when there is none.
QString realFileName(const QString &folder, const QString &name);
// The shown name less its last three characters, then "fil", as it is on disk.
QString pathFileOf(const QString &projectsFolder, const QString &shownName);
QString outlineFileOf(const QString &projectsFolder, const QString &shownName);

// The path file's lines, relative ones taken from the projects folder.
std::optional<QStringList> readPaths(const QString &projectsFolder, const QString &shownName);
// Both files, checked as the main window opens them (ProjectFiles::readProject).
std::optional<ProjectModel> read(const QString &projectsFolder, const QString &shownName, QString *error = nullptr);

// The combo entry naming the project open in the main window, or -1.
int indexOf(const QStringList &entries, const QString &projectName);
} // namespace SiteProjects
