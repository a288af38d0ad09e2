#include "tools/LinkCheck.h"

#include "platform/ProgramFolder.h"
#include "tools/PageScans.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace LinkCheck {
namespace {
// The start pages a server shows for a folder.
const QStringList kIndexPages{QStringLiteral("index.html"),  QStringLiteral("index.htm"),
                              QStringLiteral("index.shtml"), QStringLiteral("index.php"),
                              QStringLiteral("default.htm"), QStringLiteral("default.html")};

// Schemes whose values name no file or page anywhere.
const QStringList kNoTargetSchemes{QStringLiteral("javascript"), QStringLiteral("data"), QStringLiteral("about")};

constexpr int kEntriesBetweenStopChecks = 256;

// "http" for "http://host/"; empty when the value has no scheme. One letter is a drive ("c:\").
QString schemeOf(const QString &value)
{
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    if (colon < 1)
        return QString();
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = value[i];
        const bool letter =
            (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        if (!letter &&
            (i == 0 || !(c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('.'))))
            return QString();
    }
    return value.left(colon).toLower();
}

// The file part of a URL: without its query and fragment, %-escapes decoded.
QString pathOfUrl(const QString &value)
{
    qsizetype end = value.size();
    for (QChar stop : {QLatin1Char('?'), QLatin1Char('#')})
        if (const qsizetype at = value.indexOf(stop); at >= 0)
            end = std::min(end, at);
    const QString path = value.left(end);
    if (!path.contains(QLatin1Char('%')))
        return path;
    return PageScans::decodePiece(QByteArray::fromPercentEncoding(path.toUtf8()));
}
} // namespace

QString problemText(const Finding &finding)
{
    using namespace LinkCheckTexts;
    switch (finding.problem) {
    case Problem::Missing:
        return finding.detail.isEmpty() ? missing : finding.detail;
    case Problem::LetterCase:
        return letterCase + finding.detail;
    case Problem::OutsideSite:
        return finding.detail.isEmpty() ? outsideSite : outsideMissing;
    case Problem::External:
        return external;
    case Problem::Orphan:
        return orphan;
    case Problem::Unreadable:
        return unreadable;
    }
    return QString();
}

Totals totalsOf(const QList<Finding> &findings)
{
    Totals totals;
    for (const Finding &finding : findings) {
        if (finding.problem == Problem::External)
            ++totals.external;
        else if (finding.problem == Problem::Orphan)
            ++totals.orphans;
        else
            ++totals.problems;
    }
    return totals;
}

QString siteFolderOf(const QStringList &pagePaths)
{
    QString common;
    bool first = true;
    for (const QString &page : pagePaths) {
        const QString folder = folderPart(QDir::cleanPath(page));
        if (first) {
            common = folder;
            first = false;
            continue;
        }
        // Shorten to the longest common run of whole folder names.
        qsizetype same = 0;
        const qsizetype limit = std::min(common.size(), folder.size());
        while (same < limit && common[same] == folder[same])
            ++same;
        common.truncate(same > 0 ? common.lastIndexOf(QLatin1Char('/'), same - 1) + 1 : 0);
    }
    return common;
}

bool holdsOrphans(const QString &siteFolder)
{
    const QString folder = QDir::cleanPath(siteFolder);
    return !siteFolder.isEmpty() && !QDir(folder).isRoot() && folder != QDir::cleanPath(QDir::homePath());
}

const DiskNames::Folder &DiskNames::folder(const QString &path)
{
    auto known = m_folders.constFind(path);
    if (known != m_folders.cend())
        return *known;
    Folder folder;
    QDirIterator entries(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        folder.isFolder.insert(name, entries.fileInfo().isDir());
        folder.byLowerCase.insert(name.toLower(), name);
    }
    return *m_folders.insert(path, std::move(folder));
}

QString DiskNames::find(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || path.size() == 1)
        return path; // the root, or a relative path that does not come from a page
    const QString parent = slash == 0 ? QStringLiteral("/") : path.left(slash);
    const QString name = path.mid(slash + 1);
    if (folder(parent).isFolder.contains(name))
        return path;
    // Another letter case: the parent as it is on disk, then the name in any case.
    const QString realParent = find(parent);
    if (realParent.isEmpty())
        return QString();
    const Folder &real = folder(realParent);
    const QString realName = real.isFolder.contains(name) ? name : real.byLowerCase.value(name.toLower());
    if (realName.isEmpty())
        return QString();
    return withTrailingSeparator(realParent) + realName;
}

bool DiskNames::isFolder(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || path.size() == 1)
        return true;
    return folder(slash == 0 ? QStringLiteral("/") : path.left(slash)).isFolder.value(path.mid(slash + 1), false);
}

Checker::Checker(QString siteFolder) : m_siteFolder(std::move(siteFolder)) {}

QList<Finding> Checker::checkPage(const QString &pagePath, std::optional<QByteArrayView> bytes)
{
    QList<Finding> findings;
    if (m_pagesChecked.contains(pagePath))
        return findings; // a page listed twice in the project
    m_pagesChecked.insert(pagePath);
    if (!bytes) {
        findings.append({pagePath, 0, QString(), Problem::Unreadable, QString()});
        return findings;
    }
    const QString pageFolder = folderPart(pagePath);
    QHash<QByteArray, Resolution> &resolved = m_resolved[pageFolder];
    PageScans::forEachReference(*bytes, [&](QByteArrayView value, int line) {
        const QByteArray key = value.toByteArray();
        auto known = resolved.constFind(key);
        if (known == resolved.cend())
            known = resolved.insert(key, resolve(pageFolder, value));
        if (known->problem)
            findings.append({pagePath, line + 1, known->target, *known->problem, known->detail});
    });
    return findings;
}

Checker::Resolution Checker::resolve(const QString &pageFolder, QByteArrayView value)
{
    QString written = PageScans::decodePiece(value).trimmed();
    written.replace(QLatin1String("&amp;"), QLatin1String("&"));
    if (written.isEmpty() || written.startsWith(QLatin1Char('#')) || written.startsWith(QLatin1Char('?')))
        return {}; // the page itself
    if (written.startsWith(QLatin1String("//")))
        return {Problem::External, written, QString()};
    const QString scheme = schemeOf(written);
    if (kNoTargetSchemes.contains(scheme))
        return {};
    if (!scheme.isEmpty())
        return {Problem::External, written, QString()};
    const QString path = pathOfUrl(written);
    // A path from "/" starts at the top of the site, as on the server.
    const QString full = path.startsWith(QLatin1Char('/')) ? m_siteFolder + path.mid(1) : pageFolder + path;
    return resolveLocal(written, QDir::cleanPath(full));
}

Checker::Resolution Checker::resolveLocal(const QString &written, const QString &path)
{
    const bool inside = !m_siteFolder.isEmpty() && (path + QLatin1Char('/')).startsWith(m_siteFolder);
    const QString onDisk = m_names.find(path);
    if (!inside)
        return {Problem::OutsideSite, written, onDisk.isEmpty() ? LinkCheckTexts::missing : QString()};
    if (onDisk.isEmpty())
        return {Problem::Missing, written, written.contains(QLatin1Char('\\')) ? LinkCheckTexts::backslash : QString()};
    markReferenced(onDisk); // used, even where only under a name a server will not find
    if (onDisk != path)
        return {Problem::LetterCase, written, onDisk.mid(m_siteFolder.size())};
    return {};
}

void Checker::markReferenced(const QString &path)
{
    m_referenced.insert(path);
    if (!m_names.isFolder(path))
        return;
    // A link to a folder shows the folder's start page.
    for (const QString &index : kIndexPages)
        m_referenced.insert(withTrailingSeparator(path) + index);
}

std::optional<QList<Finding>> Checker::orphans(const std::function<bool()> &stop) const
{
    QList<Finding> orphans;
    if (!holdsOrphans(m_siteFolder))
        return orphans;
    QDirIterator files(m_siteFolder, QDir::Files | QDir::System, QDirIterator::Subdirectories);
    for (int count = 1; files.hasNext(); ++count) {
        const QString path = QDir::cleanPath(files.next());
        const QString relative = path.mid(m_siteFolder.size());
        if (!m_referenced.contains(path) && !kIndexPages.contains(relative))
            orphans.append({QString(), 0, relative, Problem::Orphan, QString()});
        if (count % kEntriesBetweenStopChecks == 0 && stop && stop())
            return std::nullopt;
    }
    std::sort(orphans.begin(), orphans.end(), [](const Finding &a, const Finding &b) { return a.target < b.target; });
    return orphans;
}

QStringList reportLines(const QString &projectName, const QString &siteFolder, const QList<Finding> &findings)
{
    using namespace LinkCheckTexts;
    const Totals totals = totalsOf(findings);
    QStringList lines{reportFor + projectName, LinkCheckTexts::siteFolder + siteFolder,
                      QStringLiteral("Problems: %1   External links: %2   Orphans: %3")
                          .arg(totals.problems)
                          .arg(totals.external)
                          .arg(totals.orphans),
                      QString(), columns};
    for (const Finding &finding : findings)
        lines << QStringList{finding.page, finding.line > 0 ? QString::number(finding.line) : QString(), finding.target,
                             problemText(finding)}
                     .join(QLatin1Char('\t'));
    return lines;
}
} // namespace LinkCheck
