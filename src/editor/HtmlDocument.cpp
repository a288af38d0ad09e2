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

QString DocumentTexts::notFromThisFile(const QString &path)
{
    return QStringLiteral("The text in the editing window was not loaded from \"%1\", but saving it will replace "
                          "that file.\n\nReplace \"%1\" with this text?\n\nYes: replace the file.  No: save under "
                          "another name.  Cancel: do not save.")
        .arg(path);
}

QString DocumentTexts::changedOnDisk(const QString &path)
{
    return QStringLiteral("\"%1\" was changed by another program since it was opened here.\n\nReplace it with the "
                          "text in the editing window?\n\nYes: replace the file.  No: save under another name.  "
                          "Cancel: do not save.")
        .arg(path);
}

QString DocumentTexts::cannotOpen(const QString &message, const QString &reason)
{
    return message + QStringLiteral("\n\n") + reason;
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
    // Whatever changes the text (typing, a command, a dialog, the spell check) changes the page.
    m_editor.setChangeListener([this] { m_modified = true; });
}

HtmlDocument::~HtmlDocument()
{
    m_editor.setChangeListener({});
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

void HtmlDocument::setOpenFileName(const QString &name)
{
    m_openFileName = name;
    m_textFromFile = false;
    m_stamp.reset();
}

void HtmlDocument::showOpenFileName()
{
    if (m_hooks.showStatus)
        m_hooks.showStatus(DocumentTexts::statusPrefix + m_openFileName +
                           (m_readOnly ? DocumentTexts::readOnlyNote : QString()));
}

void HtmlDocument::replaced()
{
    if (m_hooks.documentReplaced)
        m_hooks.documentReplaced();
}

void HtmlDocument::startUntitled()
{
    showText(DecodedText{});
    setOpenFileName(untitledName());
    showOpenFileName();
    m_modified = false;
    replaced();
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

bool HtmlDocument::saveTo(const QString &path)
{
    TextFormat written;
    const QByteArray bytes = encodeText(m_editor.plainText(), m_format, &written, m_editor.otherLineEnds());
    QString error;
    if (!writeFileAtomically(path, bytes, &error)) {
        m_prompts.error(DocumentTexts::saveFailed(path, error));
        return false;
    }
    m_format = written;
    const bool renamed = path != m_openFileName;
    m_openFileName = path;
    m_textFromFile = true;
    m_stamp = fileStamp(path);
    if (renamed)
        showOpenFileName();
    return true;
}

QString HtmlDocument::replaceQuestion() const
{
    const std::optional<FileStamp> onDisk = fileStamp(m_openFileName);
    if (!onDisk)
        return {}; // nothing there to lose
    if (!m_textFromFile)
        return DocumentTexts::notFromThisFile(m_openFileName);
    if (m_stamp && *m_stamp != *onDisk)
        return DocumentTexts::changedOnDisk(m_openFileName);
    return {};
}

std::optional<QString> HtmlDocument::saveTarget()
{
    if (!isUntitled()) {
        const QString question = replaceQuestion();
        const Answer answer = question.isEmpty() ? Answer::Yes : m_prompts.askYesNoCancel(question);
        if (answer == Answer::Cancel)
            return std::nullopt;
        if (answer == Answer::Yes)
            return m_openFileName;
    }
    const QString chosen = askSaveName();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

Answer HtmlDocument::askToSave(DocumentAsker asker)
{
    if (m_helpPage || m_readOnly)
        return m_lastAnswer = Answer::Yes;
    if (!m_modified)
        return m_lastAnswer = Answer::Yes;

    Answer answer =
        asker == DocumentAsker::SaveHtmlFile ? Answer::Yes : m_prompts.askYesNoCancel(DocumentTexts::saveQuestion);
    if (answer == Answer::Yes) {
        const std::optional<QString> target = saveTarget();
        if (!target || !saveTo(*target))
            return m_lastAnswer = Answer::Cancel;
    }
    if (answer != Answer::Cancel)
        m_modified = false;
    return m_lastAnswer = answer;
}

void HtmlDocument::showText(const DecodedText &file)
{
    m_format = file.format;
    m_readOnly = file.text.contains(QChar::Null);
    m_editor.setPlainText(file.text);
    m_editor.setOtherLineEnds(file.otherLineEnds);
    if (m_hooks.setEditorReadOnly)
        m_hooks.setEditorReadOnly(m_readOnly);
    if (m_hooks.enableSaveCommands)
        m_hooks.enableSaveCommands(!m_readOnly);
}

void HtmlDocument::restoreUnsaved(const QString &name, const DecodedText &content)
{
    setOpenFileName(name);
    m_helpPage = false;
    showText(content);
    m_modified = true;
}

bool HtmlDocument::load(const QString &path, QString *error)
{
    const std::optional<DecodedText> file = readTextFile(path, error);
    if (!file)
        return false;
    setOpenFileName(path);
    m_helpPage = false;
    m_modified = false;
    showText(*file);
    m_textFromFile = true;
    m_stamp = fileStamp(path);
    showOpenFileName();
    replaced();
    if (m_settings.flag(SettingKey::TagsColored) && m_hooks.colourTags)
        m_hooks.colourTags();
    return true;
}

void HtmlDocument::keepTextOfFailedOpen()
{
    if (m_lastAnswer == Answer::No)
        m_modified = true;
}

void HtmlDocument::newFile()
{
    if (askToSave() == Answer::Cancel)
        return;
    showText(DecodedText{});
    setOpenFileName(untitledName());
    showOpenFileName();
    m_helpPage = false;
    m_modified = false;
    replaced();
    TagInserter(m_editor, m_clipboard, [this] { m_modified = true; }).lineWrap(QStringLiteral("NEW"));
}

void HtmlDocument::openFile()
{
    if (askToSave() == Answer::Cancel)
        return;
    m_editor.setPlainText(QString());
    m_textFromFile = false; // a cancelled dialog leaves the empty window under the old name
    replaced();

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
    showText(DecodedText{});
    QString error;
    if (!load(chosen, &error))
        m_prompts.information(error);
}

void HtmlDocument::openTemplate()
{
    if (askToSave() == Answer::Cancel)
        return;
    const QString templatePath = m_settings.text(SettingKey::HtmlTemplate);
    if (templatePath.isEmpty()) {
        m_editor.setPlainText(QString());
        setOpenFileName(QString());
        replaced();
        m_prompts.information(DocumentTexts::noTemplate);
        if (m_hooks.openSettings)
            m_hooks.openSettings(kSettingsPageFiles);
        return;
    }

    // Read before anything is replaced: a template that cannot be read leaves the text alone.
    QString error;
    const std::optional<DecodedText> file = readTextFile(templatePath, &error);
    if (!file) {
        keepTextOfFailedOpen();
        m_prompts.information(DocumentTexts::cannotOpen(DocumentTexts::cannotOpenTemplate, error));
        return;
    }
    m_modified = false;
    setOpenFileName(untitledName());
    m_helpPage = false;
    showText(*file);
    replaced();
    showOpenFileName();
    if (m_settings.flag(SettingKey::TagsColored) && m_hooks.colourTags)
        m_hooks.colourTags();
    if (m_hooks.repaint)
        m_hooks.repaint();
}

void HtmlDocument::save()
{
    askToSave(DocumentAsker::SaveHtmlFile);
}

void HtmlDocument::saveAs()
{
    if (m_readOnly)
        return;
    const QString chosen = askSaveName();
    if (chosen.isEmpty())
        return;
    if (!saveTo(chosen))
        return;
    m_modified = false;
}

void HtmlDocument::close()
{
    if (askToSave() == Answer::Cancel)
        return;
    m_editor.setPlainText(QString());
    m_textFromFile = false; // the name stays, but the window's text is no longer that file's
    replaced();
}
