#include "tools/SiteAnalysis.h"

#include "platform/ProgramFolder.h"
#include "tools/PageScans.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace SiteAnalysis {
QStringList sortedUnique(QStringList entries)
{
    // Equal texts end up side by side, so each is dropped once whatever the case of the others.
    std::stable_sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}

QStringList uniquePictures(QStringList names)
{
    const auto folded = [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    std::stable_sort(names.begin(), names.end(), folded);
    const auto same = [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    names.erase(std::unique(names.begin(), names.end(), same), names.end());
    return names;
}

PictureSizes::Found PictureSizes::find(const QString &folder, const QString &name)
{
    const QString key = folder + QLatin1Char('\n') + name;
    const auto known = m_known.constFind(key);
    if (known != m_known.cend())
        return *known;
    QString onDisk = name;
    if (!QFileInfo(folder + name).isFile()) {
        auto listing = m_folders.find(folder);
        if (listing == m_folders.end())
            listing = m_folders.insert(folder, QDir(folder).entryList(QDir::Files | QDir::Hidden));
        for (const QString &entry : std::as_const(*listing))
            if (entry.compare(name, Qt::CaseInsensitive) == 0) {
                onDisk = entry;
                break;
            }
    }
    Found found{folder + onDisk, std::nullopt};
    const QFileInfo file(found.path);
    if (file.isFile() && file.isReadable())
        found.bytes = file.size();
    m_known.insert(key, found);
    return found;
}

PageReport analyzePage(const QString &title, const QString &path, std::optional<QByteArrayView> bytes,
                       const QString &imageFolder, PictureSizes &sizes, const std::function<bool()> &stop)
{
    using namespace AnalysisTexts;
    PageReport report;
    if (!bytes) {
        report.outcome = PageReport::Outcome::Unreadable;
        report.message = cannotOpenPrefix + QLatin1Char('"') + path + QStringLiteral("\".");
        report.summary << errorForPage + title << rule << movedOrDeleted << QStringLiteral(" ");
        report.row << title << errorCell << QString() << QString() << cannotAccessCell << QString();
        return report;
    }
    report.summary << dataForPage + title << fileLocation + path << rule << embeddedImages;
    const QStringList names = PageScans::pictures(*bytes);
    if (!names.isEmpty() && stop && stop()) {
        report.outcome = PageReport::Outcome::Stopped;
        return report;
    }
    const QStringList unique = uniquePictures(names);
    qint64 imageKb = 0;
    for (const QString &name : unique) {
        const PictureSizes::Found picture = sizes.find(imageFolder, name);
        if (picture.bytes) {
            imageKb += kilobytes(*picture.bytes);
            report.summary << QString::number(kilobytes(*picture.bytes)) + QStringLiteral("KB       ") + picture.path;
        } else {
            report.summary << cannotAccessPicture + picture.path << makeSureExists;
            report.pictureError = true;
        }
    }
    const QString htmlKb = QString::number(kilobytes(bytes->size()));
    const qint64 totalKb = imageKb + kilobytes(bytes->size());
    report.summary
        << starLine
        << QStringLiteral("Unique Images: %1   Total File Size of Images: %2KB").arg(unique.size()).arg(imageKb)
        << QStringLiteral("HTML File Size: %1KB   Total Files to Load: %2KB").arg(htmlKb).arg(totalKb) << starLine
        << QStringLiteral(" ");
    report.row << title << htmlKb + QStringLiteral("KB") << QString::number(unique.size())
               << (report.pictureError ? QStringLiteral("**") : QString()) + QString::number(imageKb) +
                      QStringLiteral("KB")
               << QString::number(seconds28(totalKb)) + QStringLiteral(" sec")
               << QString::number(seconds14(totalKb)) + QStringLiteral(" sec");
    return report;
}

QStringList linkReport(const QString &title, const QString &path, const QStringList &links)
{
    using namespace AnalysisTexts;
    QStringList lines{linkReportFor + title, fileLocation + path, linksFound, longRule};
    return lines << sortedUnique(links);
}

namespace {
QStringList pictureLines(const QString &imageFolder, const QStringList &pictures, PictureSizes &sizes)
{
    QStringList lines;
    for (const QString &name : uniquePictures(pictures))
        lines << sizes.find(imageFolder, name).path;
    return lines << QStringLiteral(" ");
}
} // namespace

QStringList pageImageReport(const QString &title, const QString &path, const QString &imageFolder,
                            const QStringList &pictures, PictureSizes &sizes)
{
    using namespace AnalysisTexts;
    QStringList lines{AnalysisTexts::pageImageReport + title, fileLocation + path, pageImages, rule};
    return lines << pictureLines(imageFolder, pictures, sizes);
}

QStringList siteImageReport(const QString &projectText, const QString &imageFolder, const QStringList &pictures,
                            PictureSizes &sizes)
{
    using namespace AnalysisTexts;
    QStringList lines{AnalysisTexts::siteImageReport + projectText.toUpper(), siteImages, rule};
    return lines << pictureLines(imageFolder, pictures, sizes);
}

QStringList bothSeparator()
{
    return {QStringLiteral("  "), QStringLiteral("================================================"),
            QStringLiteral("  "), QStringLiteral("  ")};
}

QString withSeparator(const QString &folder)
{
    return withTrailingSeparator(folder);
}

QStringList searchHeader(const QDateTime &now, const QString &projectText, const QString &searchText)
{
    using namespace AnalysisTexts;
    return {reportGenerated + QLocale::c().toString(now.time(), QStringLiteral("h:mm:ss AP")),
            QStringLiteral(" "),
            showMeWhereFor + projectText.chopped(std::min<qsizetype>(4, projectText.size())).toUpper(),
            searchFor + searchText,
            foundOn,
            longRule};
}

QString foundLine(const QString &path, const QList<int> &lines, bool fileNameOnly)
{
    QString numbers;
    for (int line : lines)
        numbers += (numbers.isEmpty() ? QStringLiteral("Line#") : QStringLiteral(", #")) + QString::number(line);
    return AnalysisTexts::htmlFile + (fileNameOnly ? fileNamePart(path) : path) + QStringLiteral("   ") + numbers;
}
} // namespace SiteAnalysis
