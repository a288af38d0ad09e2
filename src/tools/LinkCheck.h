#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Check Links: the references of a project's pages held against the files of the site's folder.
namespace LinkCheckTexts {
inline const QString caption = QStringLiteral("Check Links");
inline const QString noProject =
    QStringLiteral("Open a project first: Check Links checks the pages of the open project.");
inline const QString missing = QStringLiteral("missing");
inline const QString letterCase = QStringLiteral("only in another letter case: ");
inline const QString outsideSite = QStringLiteral("outside the site folder");
inline const QString outsideMissing = QStringLiteral("outside the site folder, and missing");
inline const QString backslash = QStringLiteral("missing (written with \\ instead of /)");
inline const QString external = QStringLiteral("external, not checked");
inline const QString orphan = QStringLiteral("orphan: no page refers to it");
inline const QString unreadable = QStringLiteral("the page cannot be read");
inline const QString reportFor = QStringLiteral("Check Links report for project: ");
inline const QString siteFolder = QStringLiteral("Site folder: ");
inline const QString columns = QStringLiteral("Page\tLine\tTarget\tProblem");
} // namespace LinkCheckTexts

namespace LinkCheck {
enum class Problem { Missing, LetterCase, OutsideSite, External, Orphan, Unreadable };

struct Finding {
    QString page;   // the page's path; empty for an orphan
    int line = 0;   // from 1; 0 where there is no line
    QString target; // as written in the page; for an orphan its path in the site folder
    Problem problem = Problem::Missing;
    QString detail; // LetterCase: the name on disk; OutsideSite: "missing" when it is
};

QString problemText(const Finding &finding);

struct Totals {
    int problems = 0; // missing, letter case, outside the site, unreadable pages
    int external = 0;
    int orphans = 0;
};
Totals totalsOf(const QList<Finding> &findings);

// The site's folder: the deepest folder that holds every page (so the root of a site whose
// pages all lie below it), ending in "/"; empty when there are no pages.
QString siteFolderOf(const QStringList &pagePaths);

// Orphans are not looked for in the root of the file system or the home folder itself: the
// pages of such a "site" lie in unrelated places, and every other file there would be listed.
bool holdsOrphans(const QString &siteFolder);

// The names in folders on disk, each folder read once.
class DiskNames final {
public:
    // Where a clean absolute path is on disk: the path itself when it exists as written,
    // else one that differs from it only in letter case, else an empty text.
    QString find(const QString &path);
    bool isFolder(const QString &path);

private:
    struct Folder {
        QHash<QString, bool> isFolder; // by name
        QHash<QString, QString> byLowerCase;
    };
    const Folder &folder(const QString &path);

    QHash<QString, Folder> m_folders;
};

class Checker final {
public:
    explicit Checker(QString siteFolder);

    // The findings of one page (nothing when it could not be read: one "unreadable" finding);
    // every file of the site folder it refers to no longer counts as an orphan.
    QList<Finding> checkPage(const QString &pagePath, std::optional<QByteArrayView> bytes);
    // The files of the site folder that no checked page referred to, by path; names starting
    // with "." are passed over with all below them. The site's start page (index or default
    // at its top) is where visitors arrive, so it is none. Nothing when `stop` (asked now
    // and then) said so.
    std::optional<QList<Finding>> orphans(const std::function<bool()> &stop = {}) const;

private:
    // What one value in pages of one folder comes to; no problem for a found local file.
    struct Resolution {
        std::optional<Problem> problem;
        QString target;
        QString detail;
    };
    Resolution resolve(const QString &pageFolder, QByteArrayView value);
    Resolution resolveLocal(const QString &written, const QString &path);
    void markReferenced(const QString &path);

    QString m_siteFolder;
    DiskNames m_names;
    QSet<QString> m_referenced; // clean absolute paths
    QSet<QString> m_pagesChecked;
    // The same value in pages of one folder resolves the same way: once per folder.
    QHash<QString, QHash<QByteArray, Resolution>> m_resolved;
};

// The report as saved: a heading, then one tab-separated line per finding.
QStringList reportLines(const QString &projectName, const QString &siteFolder, const QList<Finding> &findings);
} // namespace LinkCheck
