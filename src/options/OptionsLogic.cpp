#include "options/OptionsLogic.h"

#include "config/ColorNames.h"
#include "config/Settings.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "preview/PreviewFile.h"
#include "project/ProjectModel.h"

#include <QFileInfo>

#include <algorithm>

const std::array<QString, 10> &tagColourNames()
{
    static const std::array<QString, 10> names{
        QStringLiteral("clBlack"), QStringLiteral("clRed"),   QStringLiteral("clMaroon"), QStringLiteral("clBlue"),
        QStringLiteral("clNavy"),  QStringLiteral("clGreen"), QStringLiteral("clOlive"),  QStringLiteral("clPurple"),
        QStringLiteral("clGray"),  QStringLiteral("clTeal")};
    return names;
}

int tagColourIndex(quint32 colour)
{
    const auto &names = tagColourNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (ColorFromName(names[i]) == colour)
            return int(i);
    return 0;
}

QString tagColourCaption(const QString &name)
{
    return name.startsWith(QLatin1String("cl")) ? name.mid(2) : name;
}

int tagColourIndexOfName(const QString &name)
{
    const auto &names = tagColourNames();
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? 0 : int(found - names.begin());
}

quint32 tagColourOfName(const QString &name)
{
    return ColorFromName(tagColourNames()[size_t(tagColourIndexOfName(name))]).value_or(0);
}

void sortExtensions(QStringList &extensions)
{
    // The list sorts as a list box does: without regard to case.
    std::stable_sort(extensions.begin(), extensions.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

AddExtensionResult addExtension(QStringList &extensions, const QString &typed)
{
    if (extensions.size() >= kMaxHtmlExtensions)
        return AddExtensionResult::TooMany;
    if (typed.isEmpty())
        return AddExtensionResult::Empty;
    extensions << (typed.startsWith(QLatin1Char('.')) ? typed.mid(1) : typed);
    sortExtensions(extensions);
    return AddExtensionResult::Added;
}

QStringList extensionsForDialog(const QString &programFolder)
{
    QStringList extensions = readHtmlExtensions(programFolder);
    sortExtensions(extensions);
    return extensions;
}

std::optional<QString> saveExtensions(const QString &programFolder, const QStringList &extensions)
{
    QString text;
    for (const QString &extension : extensions)
        text += extension + QLatin1Char('\n');
    QString error;
    if (writeTextFileAtomically(programFolder + QLatin1String(kHtmlExtensionsFileName), text, TextFormat{}, nullptr,
                                &error))
        return std::nullopt;
    return error;
}

QStringList projectFolders(const QStringList &paths)
{
    QStringList folders;
    for (const QString &path : paths) {
        const QString folder = folderPart(path);
        if (!folders.contains(folder, Qt::CaseInsensitive))
            folders << folder;
    }
    return folders;
}

QStringList rewriteProjectPaths(const QStringList &paths, const QString &oldFolder, const QString &newFolder)
{
    const QString old = oldFolder.toLower();
    QStringList rewritten;
    for (const QString &path : paths)
        rewritten << (folderPart(path.toLower()) == old ? newFolder + fileNamePart(path) : path);
    return rewritten;
}

QString projectPathFile(const QString &programFolder, const QString &projectName)
{
    return programFolder + QStringLiteral("projects/") + ProjectFiles::companionPathFile(projectName);
}

bool writeProjectPathFile(const QString &programFolder, const QString &projectName, const QStringList &paths)
{
    if (projectName.isEmpty())
        return false;
    return writeFileAtomically(projectPathFile(programFolder, projectName), ProjectFiles::writePaths(paths));
}

int clampPromptFrequency(int value)
{
    return std::clamp(value, kMinPromptFrequency, kMaxPromptFrequency);
}

QString defaultExtensionFrom(const QString &typed)
{
    if (typed.isEmpty())
        return QStringLiteral("html");
    return typed.startsWith(QLatin1Char('.')) ? typed.mid(1) : typed;
}

namespace {
constexpr std::array<SettingKey, 6> kColourKeys{SettingKey::ColorDefault, SettingKey::ColorHref,
                                                SettingKey::ColorImg,     SettingKey::ColorFont,
                                                SettingKey::ColorTable,   SettingKey::ColorList};

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// Writes the memory value of a key to its file, leaving memory as it is.
void writeKey(const Settings &settings, SettingKey key)
{
    settings.storeInFile(key, settings.text(key));
}
} // namespace

OptionsForm optionsFormFrom(const Settings &settings, QStringList extensions)
{
    OptionsForm form;
    sortExtensions(extensions);
    form.extensions = extensions;
    form.defaultExt = settings.text(SettingKey::HtmlExt);
    form.templatePath = settings.text(SettingKey::HtmlTemplate);
    form.imagePath = settings.text(SettingKey::ImagesFolder);
    form.useDefaultFolder = settings.flag(SettingKey::FilesUseSel);
    form.defaultFolder = settings.text(SettingKey::FilesSelected);
    form.confirm = settings.flag(SettingKey::FilesConfirm);
    form.largeFile = settings.flag(SettingKey::EditProblem);
    for (size_t i = 0; i < kColourKeys.size(); ++i)
        form.colourNames[i] = tagColourNames()[size_t(tagColourIndex(settings.tagColour(kColourKeys[i])))];
    form.strong = settings.flag(SettingKey::TagsStrong);
    form.em = settings.flag(SettingKey::TagsEm);
    form.netscape = settings.text(SettingKey::NetscapeProgram);
    form.msie = settings.text(SettingKey::MsieProgram);
    const QString mode = settings.text(SettingKey::PreviewOption);
    form.previewMode = (mode == PreviewModes::autoSave || mode == PreviewModes::noSave) ? mode : PreviewModes::temp;
    form.hideMsieControl = !settings.flag(SettingKey::MsieControl);
    form.livePreview = settings.flag(SettingKey::LivePreview);
    form.spellMarks = settings.flag(SettingKey::SpellMarks);
    form.imageEditor = settings.text(SettingKey::ImageEditor);
    form.ftp = settings.text(SettingKey::FtpPath);
    form.imageMap = settings.text(SettingKey::ImagemapEditor);
    form.backupType = settings.integer(SettingKey::BackupType) == 0 ? 0 : 1;
    form.promptFrequency = settings.integer(SettingKey::BackupPromptFreq);
    return form;
}

OptionsApplied applyOptions(const OptionsForm &form, Settings &settings)
{
    OptionsApplied applied;
    applied.extensionsError = saveExtensions(settings.folders().writable(), form.extensions);
    if (applied.extensionsError)
        return applied;
    applied.masks = buildHtmlFileMasks(form.extensions);

    QString mode = form.previewMode;
    if (mode != PreviewModes::autoSave && mode != PreviewModes::noSave)
        mode = PreviewModes::temp;
    settings.setInMemory(SettingKey::PreviewOption, mode);
    applied.modeLetter = PreviewModes::letterFor(mode);

    settings.setInMemory(SettingKey::HtmlTemplate, form.templatePath);
    if (!form.imagePath.isEmpty())
        settings.setInMemory(SettingKey::ImagesFolder, withTrailingSeparator(form.imagePath));
    settings.setInMemory(SettingKey::FilesConfirm, flagText(form.confirm));
    settings.setInMemory(SettingKey::BackupPromptFreq, QString::number(clampPromptFrequency(form.promptFrequency)));
    settings.setInMemory(SettingKey::MsieControl, flagText(!form.hideMsieControl));
    settings.setInMemory(SettingKey::LivePreview, flagText(form.livePreview));
    settings.setInMemory(SettingKey::SpellMarks, flagText(form.spellMarks));
    settings.setInMemory(SettingKey::EditProblem, flagText(form.largeFile));
    for (size_t i = 0; i < kColourKeys.size(); ++i)
        settings.setInMemory(kColourKeys[i], tagColourNames()[size_t(tagColourIndexOfName(form.colourNames[i]))]);
    settings.setInMemory(SettingKey::TagsStrong, flagText(form.strong));
    settings.setInMemory(SettingKey::TagsEm, flagText(form.em));
    const QString defaultExt = defaultExtensionFrom(form.defaultExt);
    settings.setInMemory(SettingKey::HtmlExt, defaultExt);
    const bool haveDefaultFolder = !form.defaultFolder.isEmpty();
    settings.setInMemory(SettingKey::FilesUseSel, flagText(haveDefaultFolder && form.useDefaultFolder));

    // OPTIONS.INI
    writeKey(settings, SettingKey::BackupType);
    writeKey(settings, SettingKey::BackupPromptFreq);
    for (SettingKey key : kColourKeys)
        writeKey(settings, key);
    writeKey(settings, SettingKey::HtmlTemplate);
    writeKey(settings, SettingKey::SpellMarks);

    // DEFAULT.INI: the folder as chosen with its browse button, never the text typed over it.
    if (haveDefaultFolder) {
        writeKey(settings, SettingKey::FilesSelected);
        writeKey(settings, SettingKey::FilesUseSel);
    }
    settings.storeInFile(SettingKey::FtpPath, form.ftp);
    writeKey(settings, SettingKey::TagsStrong);
    writeKey(settings, SettingKey::TagsEm);
    writeKey(settings, SettingKey::FilesConfirm);
    writeKey(settings, SettingKey::EditProblem);
    writeKey(settings, SettingKey::MsieControl);
    writeKey(settings, SettingKey::PreviewOption);
    writeKey(settings, SettingKey::LivePreview);
    settings.storeInFile(SettingKey::ImageEditor, form.imageEditor);
    settings.storeInFile(SettingKey::ImagemapEditor, form.imageMap);
    settings.storeInFile(SettingKey::ImagesFolder, form.imagePath);
    writeKey(settings, SettingKey::HtmlExt);

    settings.setInMemory(SettingKey::ImageEditor, form.imageEditor);
    settings.setInMemory(SettingKey::FtpPath, form.ftp);
    settings.setInMemory(SettingKey::ImagemapEditor, form.imageMap);
    return applied;
}
