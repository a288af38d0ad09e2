#include "editor/HtmlDocument.h"

#include "config/Settings.h"
#include "editor/EditorAccess.h"
#include "editor/TagInsertion.h"
#include "platform/ProgramFolder.h"

QString DocumentTexts::saveFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("Could not save the file \"%1\": %2\nThe file on disk was not changed and your text is "
                          "still in the editing window.")
        .arg(path, reason);
}

QString newDocumentSkeleton()
{
    const QStringList lines{
        QStringLiteral("<!--This site and page maintained with Tovarel Pro. Details at: ") + kProductPageAddress +
            QStringLiteral("-->"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("   <TITLE></TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QString(),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    };
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

HtmlDocument::HtmlDocument(EditorAccess &editor, Prompts &prompts, Settings &settings, Clipboard &clipboard,
                           DocumentHooks hooks)
    : m_editor(editor), m_prompts(prompts), m_settings(settings), m_clipboard(clipboard), m_hooks(std::move(hooks))
{
}

QString HtmlDocument::untitledName() const
{
    return m_settings.folders().writable() + QStringLiteral("new.") + m_settings.text(SettingKey::HtmlExt);
}

bool HtmlDocument::isUntitled() const
{
    return m_openFileName.isEmpty() ||
           fileNamePart(m_openFileName) == QStringLiteral("new.") + m_settings.text(SettingKey::HtmlExt);
}

void HtmlDocument::showOpenFileName()
{
    if (m_hooks.showStatus)
        m_hooks.showStatus(DocumentTexts::statusPrefix + m_openFileName);
}

void HtmlDocument::startUntitled()
{
    setOpenFileName(untitledName());
    showOpenFileName();
    m_modified = false;
}

QString HtmlDocument::askSaveName()
{
    FileDialogRequest request;
    request.title = DocumentTexts::saveAsTitle;
    request.fileName = fileNamePart(m_openFileName);
    request.folder = folderPart(m_openFileName);
    request.filter = QStringLiteral("HTML Files|*.html;*.shtml;*.htm;*.sht;*.asp;*.cgi|All Files|*.*");
    request.filterIndex = 1;
    request.defaultSuffix = m_settings.text(SettingKey::HtmlExt);
    return m_prompts.saveFile(request);
}

bool HtmlDocument::writeTo(const QString &path)
{
    TextFormat written;
    const TextFileResult result = writeTextFileAtomically(path, m_editor.plainText(), m_format, &written);
    if (!result.ok) {
        m_prompts.error(DocumentTexts::saveFailed(path, result.error));
        return false;
    }
    m_format = written;
    return true;
}

Answer HtmlDocument::askToSave(DocumentAsker asker)
{
    if (m_helpPage)
        return m_lastAnswer = Answer::Yes;
    if (!m_modified)
        return m_lastAnswer = Answer::Yes;

    Answer answer =
        asker == DocumentAsker::SaveHtmlFile ? Answer::Yes : m_prompts.askYesNoCancel(DocumentTexts::saveQuestion);
    if (answer == Answer::Yes) {
        QString target = m_openFileName;
        if (isUntitled()) {
            target = askSaveName();
            if (target.isEmpty())
                return m_lastAnswer = Answer::Cancel;
        }
        if (!writeTo(target))
            return m_lastAnswer = Answer::Cancel;
        if (target != m_openFileName) {
            setOpenFileName(target);
            showOpenFileName();
        }
    }
    if (answer != Answer::Cancel)
        m_modified = false;
    return m_lastAnswer = answer;
}

bool HtmlDocument::load(const QString &path)
{
    const std::optional<DecodedText> file = readTextFile(path);
    if (!file)
        return false;
    setOpenFileName(path);
    m_helpPage = false;
    m_modified = false;
    if (m_hooks.enableSaveCommands)
        m_hooks.enableSaveCommands(true);
    m_format = file->format;
    m_editor.setPlainText(file->text);
    showOpenFileName();
    if (m_settings.flag(SettingKey::TagsColored) && m_hooks.colourTags)
        m_hooks.colourTags();
    return true;
}

void HtmlDocument::newFile()
{
    if (askToSave() == Answer::Cancel)
        return;
    m_editor.setPlainText(QString());
    setOpenFileName(untitledName());
    showOpenFileName();
    m_helpPage = false;
    if (m_hooks.enableSaveCommands)
        m_hooks.enableSaveCommands(true);
    m_modified = false;
    m_format = TextFormat{};
    TagInserter(m_editor, m_clipboard, [this] { m_modified = true; }).lineWrap(QStringLiteral("NEW"));
}

void HtmlDocument::openFile()
{
    if (askToSave() == Answer::Cancel)
        return;
    m_editor.setPlainText(QString());

    FileDialogRequest request;
    request.title = DocumentTexts::openTitle;
    request.folder = m_settings.text(SettingKey::StartLocation);
    request.filter = m_openFilter;
    request.filterIndex = 1;
    const QString chosen = m_prompts.openFile(request);
    if (chosen.isEmpty())
        return;

    setOpenFileName(chosen);
    m_settings.store(SettingKey::StartLocation, folderPart(chosen));
    m_modified = false;
    m_helpPage = false;
    if (m_hooks.enableSaveCommands)
        m_hooks.enableSaveCommands(true);
    load(chosen);
}

void HtmlDocument::openTemplate()
{
    if (askToSave() == Answer::Cancel)
        return;
    m_editor.setPlainText(QString());
    setOpenFileName(QString());

    const QString templatePath = m_settings.text(SettingKey::HtmlTemplate);
    if (templatePath.isEmpty()) {
        m_prompts.information(DocumentTexts::noTemplate);
        if (m_hooks.openSettings)
            m_hooks.openSettings(kSettingsPageFiles);
        return;
    }

    m_modified = false;
    setOpenFileName(untitledName());
    showOpenFileName();
    m_helpPage = false;
    if (m_hooks.enableSaveCommands)
        m_hooks.enableSaveCommands(true);
    if (const std::optional<DecodedText> file = readTextFile(templatePath)) {
        m_format = file->format;
        m_editor.setPlainText(file->text);
        if (m_settings.flag(SettingKey::TagsColored) && m_hooks.colourTags)
            m_hooks.colourTags();
    } else {
        m_prompts.information(DocumentTexts::cannotOpen);
    }
    if (m_hooks.repaint)
        m_hooks.repaint();
}

void HtmlDocument::save()
{
    askToSave(DocumentAsker::SaveHtmlFile);
}

void HtmlDocument::saveAs()
{
    const QString chosen = askSaveName();
    if (chosen.isEmpty())
        return;
    if (!writeTo(chosen))
        return;
    setOpenFileName(chosen);
    showOpenFileName();
    m_modified = false;
}

void HtmlDocument::close()
{
    if (askToSave() == Answer::Cancel)
        return;
    m_editor.setPlainText(QString());
}
