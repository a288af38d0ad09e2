#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One page of the outline: its title and level (1 = top level).
struct ProjectPage {
    QString title;
    int level = 1;

    bool operator==(const ProjectPage &) const = default;
};

inline const QString kFileLoadError = QStringLiteral("File load error");

// The project in memory: the page tree in outline order (a parent before its children) and
// the parallel path list, page i with path line i. Every operation keeps them in step.
class ProjectModel final {
public:
    const QList<ProjectPage> &pages() const { return m_pages; }
    const QStringList &paths() const { return m_paths; }
    int pageCount() const { return int(m_pages.size()); }
    bool isEmpty() const { return m_pages.isEmpty(); }

    // The path as entered, and the file it names: a relative path is taken from the folder of
    // the project file, not from wherever the program was started.
    QString pathOf(int page) const { return m_paths.value(page); }
    QString filePathOf(int page) const;
    // The project file's folder, ending in a separator; kept by assign() and clear().
    const QString &folder() const { return m_folder; }
    void setFolder(const QString &folder) { m_folder = folder; }
    // The pages after `page` whose level is greater than its own.
    int descendantCount(int page) const;
    // The nearest page before `page` one level up, or -1 for a top-level page.
    int parentOf(int page) const;
    bool hasChildren(int page) const { return descendantCount(page) > 0; }

    void clear();
    void assign(QList<ProjectPage> pages, QStringList paths);

    // Returns the new page's index.
    int addTopLevel(const QString &title, const QString &path);
    int addChild(int parent, const QString &title, const QString &path);
    // Removes the page and its descendants with as many path lines; returns how many.
    int remove(int page);
    // A path list too short to hold the page's line gets the path appended instead.
    void change(int page, const QString &title, const QString &path);

private:
    QList<ProjectPage> m_pages;
    QStringList m_paths;
    QString m_folder;
};

// The project files: the outline (".out", TABs for levels) and its path file (".fil").
namespace ProjectFiles {
struct OutlineRead {
    QList<ProjectPage> pages; // what was read before any error
    std::optional<QString> error;
};
// Lines end at CR LF, lone CR or lone LF; a NUL byte ends the text.
OutlineRead parseOutline(const QByteArray &bytes);
QStringList parseLines(const QByteArray &bytes);
QByteArray writeOutline(const QList<ProjectPage> &pages);
QByteArray writePaths(const QStringList &paths);

// An outline and a path list of different lengths would give pages each other's paths.
QString pageCountMismatch(const QString &outlinePath, qsizetype pages, qsizetype paths);

// A project's outline file, its companion path file beside it, checked: the outline must be
// well formed and list as many pages as the path file lists paths. The model's folder is the
// outline file's. nullopt with a reason naming the file otherwise.
std::optional<ProjectModel> readProject(const QString &outlinePath, QString *error = nullptr);
// The same with the path file named (its name found ignoring case, say).
std::optional<ProjectModel> readProject(const QString &outlinePath, const QString &pathFile, QString *error);

// A relative page path taken from `folder` (ending in a separator); absolute ones, and ones
// written on Windows ("c:\...", "\\server\..."), stay as they are.
QString resolvePagePath(const QString &folder, const QString &path);

// "mysite.out" -> "mysite.fil": the last three characters replaced.
QString companionPathFile(const QString &outlinePath);
// The name a chosen save path gives the project: its file name with the extension forced to ".out".
QString projectNameForSave(const QString &chosenPath);
QString fileNameOnly(const QString &path);

// The printed outline: one line per page as in the outline file, optionally followed by
// "  (" the page's path (or only its file name) ")".
QStringList printLines(const QList<ProjectPage> &pages, const QStringList &paths, bool withLinks, bool fileNameOnly);
} // namespace ProjectFiles

// The four recent projects, entry 0 the newest.
namespace RecentProjects {
QStringList promote(QStringList entries, const QString &path);
}
