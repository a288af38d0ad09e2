// Checking the site's links and the page's HTML: Check Links, Check Page and Tidy Page.
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "platform/Prompts.h"
#include "tools/HtmlTidy.h"
#include "tools/LinkCheck.h"
#include "tools/TFormCheckLinks.h"
#include "tools/TFormCheckPage.h"

#include <QApplication>
#include <QDir>
#include <QTextBlock>
#include <QTextCursor>

namespace {
// Tidy runs in one go: the hourglass while it does.
class BusyCursor final {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

void showBeside(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

void TForm1::buildCheckCommands()
{
    onCommand(QStringLiteral("CheckLinks1"), &TForm1::CheckLinks1Click);
    onCommand(QStringLiteral("CheckPage1"), &TForm1::CheckPage1Click);
    onCommand(QStringLiteral("TidyPage1"), &TForm1::TidyPage1Click);
}

void TForm1::CheckLinks1Click()
{
    if (m_project.isEmpty()) {
        prompts().information(LinkCheckTexts::noProject);
        return;
    }
    if (!m_checkLinks) {
        m_checkLinks = new TFormCheckLinks(prompts(), *m_env.eventPump, this);
        connect(m_checkLinks, &TFormCheckLinks::checkAgainRequested, this, &TForm1::CheckLinks1Click);
        connect(m_checkLinks, &TFormCheckLinks::openRequested, this, &TForm1::openPageAtLine);
    }
    showBeside(m_checkLinks);
    QStringList files;
    for (int page = 0; page < m_project.pageCount(); ++page)
        files << m_project.filePathOf(page);
    m_checkLinks->checkPages(m_projectName, files);
}

void TForm1::closeCheckWindows()
{
    for (QWidget *window : {static_cast<QWidget *>(m_checkLinks), static_cast<QWidget *>(m_checkPage)})
        if (window)
            window->close();
}

void TForm1::openPageAtLine(const QString &file, int line)
{
    const bool open = QDir::cleanPath(file) == QDir::cleanPath(m_document->openFileName());
    if (!open && !openPage(file))
        return;
    moveCaretTo(line, 1);
}

void TForm1::moveCaretTo(int line, int column)
{
    QTextDocument *text = m_editor->document();
    const QTextBlock block = text->findBlockByNumber(std::clamp(line - 1, 0, text->blockCount() - 1));
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + int(HtmlTidy::indexOfColumn(block.text(), column)));
    m_editor->setTextCursor(cursor);
    m_editor->centerCursor();
    activateWindow();
    m_editor->setFocus();
}

void TForm1::CheckPage1Click()
{
    QString error;
    std::optional<QList<HtmlTidy::Message>> messages;
    {
        BusyCursor busy;
        messages = HtmlTidy::check(m_editor->toPlainText(), &error);
    }
    if (!messages) {
        prompts().error(error);
        return;
    }
    if (!m_checkPage) {
        m_checkPage = new TFormCheckPage(this);
        connect(m_checkPage, &TFormCheckPage::checkAgainRequested, this, &TForm1::CheckPage1Click);
        connect(m_checkPage, &TFormCheckPage::goToRequested, this, &TForm1::moveCaretTo);
    }
    m_checkPage->showMessages(*messages);
    showBeside(m_checkPage);
}

void TForm1::TidyPage1Click()
{
    const QString text = m_editor->toPlainText();
    HtmlTidy::Options options;
    options.indent = m_settings.flag(SettingKey::TidyIndent);
    options.upperCase = m_settings.flag(SettingKey::TidyUpperCase);
    options.keepDoctype = m_settings.flag(SettingKey::TidyKeepDoctype);
    QString error;
    std::optional<QString> tidied;
    {
        BusyCursor busy;
        tidied = HtmlTidy::clean(text, options, &error);
    }
    if (!tidied) {
        prompts().error(error);
        return;
    }
    if (*tidied == text)
        return;
    const int line = m_editor->textCursor().blockNumber() + 1;
    // One edit block: a single Undo brings the page back as it was.
    QTextCursor cursor(m_editor->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(*tidied);
    cursor.endEditBlock();
    m_document->setModified(true);
    moveCaretTo(line, 1);
    if (m_settings.flag(SettingKey::TagsColored))
        colourTags();
}
