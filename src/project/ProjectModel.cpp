#include "project/ProjectModel.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

int ProjectModel::descendantCount(int page) const
{
    if (page < 0 || page >= pageCount())
        return 0;
    const int level = m_pages[page].level;
    int count = 0;
    for (int i = page + 1; i < pageCount() && m_pages[i].level > level; ++i)
        ++count;
    return count;
}

int ProjectModel::parentOf(int page) const
{
    if (page < 0 || page >= pageCount())
        return -1;
    for (int i = page - 1; i >= 0; --i)
        if (m_pages[i].level < m_pages[page].level)
            return i;
    return -1;
}

QString ProjectModel::filePathOf(int page) const
{
    return ProjectFiles::resolvePagePath(m_folder, pathOf(page));
}

void ProjectModel::clear()
{
    m_pages.clear();
    m_paths.clear();
}

void ProjectModel::assign(QList<ProjectPage> pages, QStringList paths)
{
    m_pages = std::move(pages);
    m_paths = std::move(paths);
}

int ProjectModel::addTopLevel(const QString &title, const QString &path)
{
    m_paths.append(path);
    m_pages.append({title, 1});
    return pageCount() - 1;
}

int ProjectModel::addChild(int parent, const QString &title, const QString &path)
{
    if (parent < 0 || parent >= pageCount())
        return -1;
    const int at = parent + descendantCount(parent) + 1;
    m_pages.insert(at, {title, m_pages[parent].level + 1});
    m_paths.insert(std::min<qsizetype>(at, m_paths.size()), path);
    return at;
}

int ProjectModel::remove(int page)
{
    if (page < 0 || page >= pageCount())
        return 0;
    const int count = descendantCount(page) + 1;
    m_pages.remove(page, count);
    if (page < m_paths.size())
        m_paths.remove(page, std::min<qsizetype>(count, m_paths.size() - page));
    return count;
}

void ProjectModel::change(int page, const QString &title, const QString &path)
{
    if (page < 0 || page >= pageCount())
        return;
    m_pages[page].title = title;
    if (page < m_paths.size())
        m_paths[page] = path;
    else
        m_paths.append(path);
}

namespace ProjectFiles {

QStringList parseLines(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    QStringList lines = decodeText(nul < 0 ? bytes : bytes.left(nul)).text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end makes no further line
    return lines;
}

namespace {
bool isBlank(QChar c)
{
    return c == QLatin1Char('\t') || c == QLatin1Char(' ');
}

// Leading blanks would be read as indentation. Such a title is written between double quotes,
// and so is a title that itself looks quoted that way, so that reading takes off exactly what
// writing put on: a quote, then a blank or another quote, ..., a closing quote.
bool looksQuoted(QStringView title)
{
    return title.size() >= 3 && title.front() == QLatin1Char('"') && title.back() == QLatin1Char('"') &&
           (isBlank(title[1]) || title[1] == QLatin1Char('"'));
}

QString storedTitle(const QString &title)
{
    if ((!title.isEmpty() && isBlank(title.front())) || looksQuoted(title))
        return QLatin1Char('"') + title + QLatin1Char('"');
    return title;
}

QString readTitle(QStringView rest)
{
    return (looksQuoted(rest) ? rest.sliced(1, rest.size() - 2) : rest).toString();
}
} // namespace

OutlineRead parseOutline(const QByteArray &bytes)
{
    OutlineRead result;
    int lastLevel = 0;
    for (const QString &line : parseLines(bytes)) {
        int steps = 0;
        while (steps < line.size() && isBlank(line[steps]))
            ++steps;
        // The first line may start one step in; a later line written two steps deeper than
        // the one before still becomes its child, three steps deeper is an error.
        const int limit = result.pages.isEmpty() ? 1 : lastLevel + 1;
        if (steps > limit) {
            result.error = kFileLoadError;
            break;
        }
        const int level = result.pages.isEmpty() ? 1 : std::min(steps + 1, lastLevel + 1);
        result.pages.append({readTitle(QStringView(line).sliced(steps)), level});
        lastLevel = level;
    }
    return result;
}

QByteArray writeOutline(const QList<ProjectPage> &pages)
{
    QString text;
    for (const ProjectPage &page : pages)
        text += QString(page.level - 1, QLatin1Char('\t')) + storedTitle(page.title) + QLatin1Char('\n');
    return encodeText(text, TextFormat{TextEncoding::Latin1, LineEnd::CrLf});
}

QString pageCountMismatch(const QString &outlinePath, qsizetype pages, qsizetype paths)
{
    const auto counted = [](qsizetype n, const char *one, const char *many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return QStringLiteral("The project \"%1\" cannot be opened: its outline lists %2 but its path file lists %3, "
                          "so pages would get the wrong files.")
        .arg(QDir::toNativeSeparators(outlinePath), counted(pages, "page", "pages"), counted(paths, "path", "paths"));
}

std::optional<ProjectModel> readProject(const QString &outlinePath, QString *error)
{
    return readProject(outlinePath, companionPathFile(outlinePath), error);
}

std::optional<ProjectModel> readProject(const QString &outlinePath, const QString &pathFile, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QString reason;
    const std::optional<QByteArray> outline = readFileBytes(outlinePath, &reason);
    if (!outline)
        return fail(reason);
    OutlineRead pages = parseOutline(*outline);
    if (pages.error)
        return fail(*pages.error);
    const std::optional<QByteArray> pathBytes = readFileBytes(pathFile, &reason);
    if (!pathBytes)
        return fail(reason);
    QStringList paths = parseLines(*pathBytes);
    if (paths.size() != pages.pages.size())
        return fail(pageCountMismatch(outlinePath, pages.pages.size(), paths.size()));
    ProjectModel project;
    project.assign(std::move(pages.pages), std::move(paths));
    project.setFolder(withTrailingSeparator(QFileInfo(outlinePath).absolutePath()));
    return project;
}

QString resolvePagePath(const QString &folder, const QString &path)
{
    const bool windowsAbsolute =
        path.startsWith(QLatin1Char('\\')) || (path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter());
    if (path.isEmpty() || folder.isEmpty() || QDir::isAbsolutePath(path) || windowsAbsolute)
        return path;
    return QDir::cleanPath(folder + path);
}

QByteArray writePaths(const QStringList &paths)
{
    QString text;
    for (const QString &path : paths)
        text += path + QLatin1Char('\n');
    return encodeText(text, TextFormat{TextEncoding::Latin1, LineEnd::CrLf});
}

QString companionPathFile(const QString &outlinePath)
{
    return outlinePath.chopped(std::min<qsizetype>(3, outlinePath.size())) + QLatin1String("fil");
}

QString fileNameOnly(const QString &path)
{
    const QString name = fileNamePart(path);
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

QString projectNameForSave(const QString &chosenPath)
{
    const QString name = fileNameOnly(chosenPath);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? name : name.left(dot)) + QLatin1String(".out");
}
QStringList printLines(const QList<ProjectPage> &pages, const QStringList &paths, bool withLinks, bool fileNameOnly)
{
    QStringList lines;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QString line = QString(pages[i].level - 1, QLatin1Char('\t')) + pages[i].title;
        if (withLinks) {
            const QString path = paths.value(i);
            line += QLatin1String("  (") + (fileNameOnly ? ProjectFiles::fileNameOnly(path) : path) + QLatin1Char(')');
        }
        lines << line;
    }
    return lines;
}
} // namespace ProjectFiles

namespace RecentProjects {
QStringList promote(QStringList entries, const QString &path)
{
    while (entries.size() < 4)
        entries.append(QString());
    entries = entries.mid(0, 4);
    const qsizetype found = entries.indexOf(path);
    if (found >= 0) {
        entries.swapItemsAt(0, found);
        return entries;
    }
    entries.prepend(path);
    entries.removeLast();
    return entries;
}
} // namespace RecentProjects
