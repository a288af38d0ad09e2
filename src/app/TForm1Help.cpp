// The help side of the main window: the tag panel, the help project, Help On Top, the FAQ,
// the tip of the day and the About box.
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/TFormSpeedBar.h"
#include "help/HelpPages.h"
#include "help/TFormFAQ.h"
#include "help/TFormHelpOnTop.h"
#include "help/TFormSplash.h"
#include "help/TTipsForm.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QRandomGenerator>

namespace HelpTexts {
const QString instructions = QStringLiteral("The help file for this program is presented in an outline form. Select "
                                            "WELCOME TO TOVAREL PRO from the Help menu to see this outline.");
}

void TForm1::buildHelpCommands()
{
    onCommand(QStringLiteral("SpeedBar1"), &TForm1::SpeedBar1Click);
    onCommand(QStringLiteral("WelcometoTovarelPro1"), &TForm1::WelcometoTovarelPro1Click);
    onCommand(QStringLiteral("Instructions1"), &TForm1::Instructions1Click);
    onCommand(QStringLiteral("HelpOnTop1"), &TForm1::HelpOnTop1Click);
    onCommand(QStringLiteral("FrequentlyAskedQuestions1"), &TForm1::FrequentlyAskedQuestions1Click);
    onCommand(QStringLiteral("ShowTipoftheDay1"), &TForm1::ShowTipoftheDay1Click);
    onCommand(QStringLiteral("About1"), &TForm1::About1Click);
}

int TForm1::runModal(QDialog &dialog)
{
    return m_env.runModal ? m_env.runModal(dialog) : dialog.exec();
}

void TForm1::SpeedBar1Click()
{
    auto *panel = new TFormSpeedBar(
        *m_editorAccess, [this] { m_document->setModified(true); }, this);
    panel->show();
}

void TForm1::HelpOnTop1Click()
{
    const std::optional<QStringList> pages = HelpPages::readPageList(m_settings.folders().shipped());
    if (!pages) {
        prompts().information(HelpPages::missingHelp);
        return;
    }
    QAction *item = findChild<QAction *>(QStringLiteral("HelpOnTop1"));
    item->setEnabled(false);
    auto *window = new TFormHelpOnTop(m_settings.folders().shipped(), *pages,
                                      HelpPages::firstPage(*pages, m_projectName, m_document->openFileName()), this);
    connect(window, &TFormHelpOnTop::closed, item, [item] { item->setEnabled(true); });
    window->show();
}

void TForm1::WelcometoTovarelPro1Click()
{
    m_checkWrap->setChecked(true);
    m_editor->setWordWrap(true);
    m_helpMode = true;
    if (m_document->askToSave() == Answer::Cancel)
        return;
    m_editorAccess->setPlainText(QString());
    if (!openHelpProject())
        return;
    setSaveCommandsEnabled(false);
    setProjectCaption(QStringLiteral("Kelvane Tovarel Pro:  "),
                      m_settings.folders().shipped() + QStringLiteral("help/welcome.out"));
    const QString firstPage = m_settings.folders().shipped() + QStringLiteral("help/welcome.kvn");
    m_document->setOpenFileName(firstPage);
    QString error;
    if (!m_document->load(firstPage, &error)) {
        prompts().information(error);
        return;
    }
    m_document->setHelpPage(true);
    setSaveCommandsEnabled(false);
}

void TForm1::Instructions1Click()
{
    prompts().information(HelpTexts::instructions);
}

void TForm1::FrequentlyAskedQuestions1Click()
{
    TFormFAQ faq(this);
    runModal(faq);
}

void TForm1::ShowTipoftheDay1Click()
{
    QMetaObject::invokeMethod(this, &TForm1::showTipOfTheDay, Qt::QueuedConnection);
}

void TForm1::showTipOfTheDay()
{
    const auto pick =
        m_env.pickTip ? m_env.pickTip : [](int count) { return int(QRandomGenerator::global()->bounded(count)); };
    TTipsForm tips(m_settings.flag(SettingKey::ShowTips), pick, this);
    runModal(tips);
    m_settings.storeFlag(SettingKey::ShowTips, tips.showAtStartup());
}

void TForm1::About1Click()
{
    TFormSplash about(TFormSplash::Mode::About, 0, this);
    runModal(about);
}
