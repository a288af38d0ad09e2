#include "project/FilesPanel.h"

#include "config/PictureFiles.h"
#include "config/Settings.h"
#include "editor/EditorAccess.h"
#include "editor/HtmlDocument.h"
#include "imaging/PictureComponent.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace FilesPanel {
namespace {

const QStringList kHtmlOpenExtensions = {QStringLiteral(".htm"), QStringLiteral(".html"), QStringLiteral(".shtml"),
                                         QStringLiteral(".shtm"), QStringLiteral(".asp")};

// A mask prepared once per listing: most masks are "*.ext", which needs no pattern engine.
class CompiledMask {
public:
    explicit CompiledMask(const QString &mask)
    {
        const QString m = mask.trimmed();
        if (m == QLatin1String("*.*") || m == QLatin1String("*")) {
            m_kind = Kind::All;
        } else if (m.startsWith(QLatin1String("*.")) && m.size() > 2 &&
                   !m.mid(2).contains(QRegularExpression(QStringLiteral("[*?.\\[]")))) {
            m_kind = Kind::Extension;
            m_extension = m.mid(2);
        } else {
            m_kind = Kind::Pattern;
            m_pattern = QRegularExpression(
                QRegularExpression::wildcardToRegularExpression(m, QRegularExpression::DefaultWildcardConversion),
                QRegularExpression::CaseInsensitiveOption);
        }
    }

    bool matches(const QString &name) const
    {
        switch (m_kind) {
        case Kind::All:
            return true;
        case Kind::Extension: {
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            if (dot < 0)
                return false;
            const QStringView ext = QStringView(name).mid(dot + 1);
            if (ext.compare(m_extension, Qt::CaseInsensitive) == 0)
                return true;
            return m_extension.size() == 3 && ext.size() > 3 && ext.startsWith(m_extension, Qt::CaseInsensitive);
        }
        case Kind::Pattern:
            return m_pattern.match(name).hasMatch();
        }
        return false;
    }

private:
    enum class Kind { All, Extension, Pattern };
    Kind m_kind = Kind::All;
    QString m_extension;
    QRegularExpression m_pattern;
};

std::vector<CompiledMask> compile(const QString &maskList)
{
    std::vector<CompiledMask> masks;
    for (const QString &mask : maskList.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!mask.trimmed().isEmpty())
            masks.emplace_back(mask);
    return masks;
}

} // namespace

QList<FilterEntry> parseFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QList<FilterEntry> entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries.append({parts[i], parts[i + 1]});
    return entries;
}

bool matchesMask(const QString &fileName, const QString &mask)
{
    return CompiledMask(mask).matches(fileName);
}

QStringList hiddenListNames(const QStringList &folderNames, const QString &maskList)
{
    QStringList names;
    for (const CompiledMask &mask : compile(maskList))
        for (const QString &name : folderNames)
            if (mask.matches(name))
                names.append(name);
    // The list box sorts without regard to case; equal names then sit side by side.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QStringList listFolder(const QString &folder, const QString &maskList)
{
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    return hiddenListNames(all, maskList);
}

QStringList withoutRepeats(const QStringList &names)
{
    QStringList out;
    out.reserve(names.size());
    for (const QString &name : names)
        if (out.isEmpty() || out.constLast() != name)
            out.append(name);
    return out;
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString bareName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString extensionOf(const QString &path)
{
    const QString name = bareName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

Opening openingFor(const QString &path)
{
    if (PictureFiles::isPicture(bareName(path)))
        return Opening::PowerImg;
    if (kHtmlOpenExtensions.contains(extensionOf(path)))
        return Opening::HtmlDocument;
    return Opening::AskFirst;
}

bool takesImgTag(const QString &path)
{
    return PictureFiles::isPicture(bareName(path));
}

QString linkTag(const QString &fileName)
{
    return QStringLiteral("<A HREF=\"%1\"></A>").arg(fileName);
}

QString imgTag(const QString &source, int width, int height)
{
    return QStringLiteral("<IMG WIDTH=%1 HEIGHT=%2 SRC=\"%3\">").arg(width).arg(height).arg(source);
}

bool analyzeEnabled(const QString &fileName, const QString &masksText)
{
    const QString ext = extensionOf(fileName);
    return !ext.isEmpty() && masksText.contains(ext);
}

QString fileSizeStatus(qint64 bytes)
{
    return FilesTexts::fileSizePrefix + QString::number(bytes / 1000) + FilesTexts::fileSizeSuffix;
}

QString fixedStartFolder(const Settings &settings)
{
    return settings.flag(SettingKey::FilesUseSel) ? settings.text(SettingKey::FilesSelected) : QString();
}

QStringList startFolderChoices(const Settings &settings, const QString &projectFolder, const QString &pageFolder)
{
    QStringList choices{projectFolder, pageFolder, settings.text(SettingKey::FilesLocation)};
    choices.removeAll(QString());
    return choices;
}

QString driveOf(const QString &folder, const QStringList &roots)
{
    QString best;
    for (const QString &root : roots)
        if (folder.startsWith(root, Qt::CaseInsensitive) && root.size() > best.size())
            best = root;
    return best;
}

void insertAtSelectionStart(EditorAccess &editor, const QString &tag, const std::function<void()> &markModified)
{
    const int start = editor.selStart();
    editor.setFocus();
    editor.setSelection(start, 0);
    editor.replaceSelection(tag);
    markModified();
    editor.setSelection(start, int(tag.size()));
}

} // namespace FilesPanel

FilesPanelActions::FilesPanelActions(Settings &settings, Prompts &prompts, FilesTabHost &host,
                                     PictureComponent &measurer)
    : m_settings(settings), m_prompts(prompts), m_host(host), m_measurer(measurer)
{
}

void FilesPanelActions::showFileSize(const QString &path)
{
    // Asked of the file system, never by opening it: a pipe would block the window.
    const QFileInfo file(path);
    if (!file.isFile())
        return; // nothing to show for a file that went away, a folder or a device
    m_host.showStatus(0, FilesPanel::fileSizeStatus(file.size()));
    m_host.showStatus(1, FilesTexts::pageLocation);
}

void FilesPanelActions::open(const QString &folder, const QString &name)
{
    m_settings.store(SettingKey::FilesLocation, folder);
    const QString path = FilesPanel::joinPath(folder, name);
    switch (FilesPanel::openingFor(path)) {
    case FilesPanel::Opening::PowerImg:
        m_host.openPictureInPowerImg(path);
        break;
    case FilesPanel::Opening::HtmlDocument:
        openAsHtml(path, true);
        break;
    case FilesPanel::Opening::AskFirst:
        if (m_prompts.confirm(FilesTexts::notHtmlQuestion))
            openAsHtml(path, false);
        break;
    }
}

bool FilesPanelActions::openAsHtml(const QString &path, bool showInBrowserPane)
{
    if (m_host.askToSaveDocument() == Answer::Cancel)
        return false;
    QString error;
    if (!m_host.loadDocument(path, &error)) {
        m_prompts.information(DocumentTexts::cannotOpen(FilesTexts::cannotOpenFile, error));
        return false;
    }
    if (showInBrowserPane)
        m_host.showPageInBrowserPane(path);
    return true;
}

bool FilesPanelActions::insertLinkOrImage(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString name = FilesPanel::bareName(path);
    QString tag;
    if (FilesPanel::takesImgTag(path)) {
        // Named as the open page sees it, so the browser finds it; a page never saved has no
        // folder yet and takes the bare name.
        const QString pageFolder = m_host.pageFolder();
        const QString source = pageFolder.isEmpty() ? name : PictureFiles::relativeTo(pageFolder, path);
        m_measurer.setStretchRatio(true);
        m_measurer.setAutoSize(true);
        m_measurer.reset();
        if (m_measurer.load(path) != LoadOutcome::Loaded) {
            m_prompts.information(FilesTexts::cannotMeasure);
            return false;
        }
        tag = FilesPanel::imgTag(source, m_measurer.facts().width, m_measurer.facts().height);
    } else {
        tag = FilesPanel::linkTag(name);
    }
    FilesPanel::insertAtSelectionStart(m_host.editorAccess(), tag, [this] { m_host.setDocumentModified(); });
    return true;
}
