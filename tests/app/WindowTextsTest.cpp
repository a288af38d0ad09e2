// Every window shows its captions, notes, hints and file names as plain text: a text such
// as "Images: <IMG>" must never be read as markup (a broken picture instead of the caption).
#include "dialogs/TFormCustom.h"
#include "dialogs/TFormEditSnip.h"
#include "dialogs/TFormEmail.h"
#include "dialogs/TFormFrameDialog.h"
#include "dialogs/TFormFrameSet.h"
#include "dialogs/TFormHoriz.h"
#include "dialogs/TFormList.h"
#include "dialogs/Tformframes.h"
#include "editor/FindReplaceDialogs.h"
#include "help/TFormFAQ.h"
#include "help/TFormHelpOnTop.h"
#include "help/TFormSplash.h"
#include "help/TTipsForm.h"
#include "project/TFormConfirm.h"
#include "project/TFormMove.h"
#include "project/TFormPrintOptions.h"
#include "spell/TSpellEngineDialog.h"
#include "testsupport/MainWindowFixture.h"

#include <QDialog>
#include <QLabel>
#include <QTextDocument>

#include <memory>

namespace {

// What Qt shows for a hint.
QString shownHint(const QString &hint)
{
    if (!Qt::mightBeRichText(hint))
        return hint;
    QTextDocument page;
    page.setHtml(hint);
    return page.toPlainText();
}

// The labels that Qt would render as rich text, and the hints whose markup hides some of
// their text (a hint shown as typed is the escaped form of what it shows).
QStringList richTexts(QWidget *window)
{
    QStringList found;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        const QString where = window->objectName() + QLatin1Char('/') + widget->objectName() + QStringLiteral(": ");
        if (auto *label = qobject_cast<QLabel *>(widget))
            if (label->textFormat() != Qt::PlainText && label->text().contains(QLatin1Char('<')))
                found << where + label->text();
        const QString hint = widget->toolTip();
        if (Qt::mightBeRichText(hint) && Qt::convertFromPlainText(shownHint(hint), Qt::WhiteSpaceNormal) != hint)
            found << where + QStringLiteral("hint ") + hint;
    }
    return found;
}

class WindowTextsTest : public MainWindowFixture {
protected:
    // A command of the main window whose dialog is modal: its texts, then it is closed.
    void checkModal(const char *name, const std::function<void()> &command)
    {
        bool seen = false;
        const auto look = [this, &seen](QDialog &dialog) {
            found << richTexts(&dialog);
            seen = true;
            return int(QDialog::Rejected);
        };
        modalAnswer = look;
        const QPointer<QTimer> wait = whenModal([&look](QDialog *dialog) {
            look(*dialog);
            dialog->reject();
        });
        command();
        delete wait.data(); // the dialog went through the window's modal runner instead
        EXPECT_TRUE(seen) << name;
        modalAnswer = nullptr;
    }

    QStringList found;
};

} // namespace

TEST_F(WindowTextsTest, NoWindowReadsItsTextsAsMarkup)
{
    folder.write("help/welcome.fil", "welcome.kvn\r\n");
    folder.write("help/welcome.kvn", "<H1>Welcome</H1>");
    TForm1 &w = start();
    w.SpeedBar1Click();
    w.HelpOnTop1Click();
    w.BitBtnFindClick();
    found << richTexts(&w); // with the windows it owns: tag panel, Help On Top, find, spell, new name

    checkModal("Settings", [&w] { w.PreferencesSettings1Click(); });
    for (const char *power : {"PowerBODY1", "PowerAHREF1", "PowerIMG1", "PowerTABLE1", "MailTo1"})
        checkModal(power, [this, power] { trigger(QLatin1String(power)); });
    checkModal("Analysis", [&w] { w.GetPageLoadingData1Click(); });
    checkModal("Extended Replace", [&w] { w.BitBtnReplaceAllClick(); });
    checkModal("Backup", [&w] { w.BitBtnBackupClick(); });
    checkModal("FAQ", [&w] { w.FrequentlyAskedQuestions1Click(); });
    checkModal("About", [&w] { w.About1Click(); });

    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(std::make_unique<Tformframes>(clipboard, prompts));
    windows.emplace_back(std::make_unique<TFormFrameSet>(clipboard));
    windows.emplace_back(std::make_unique<TFormFrameDialog>(clipboard));
    windows.emplace_back(std::make_unique<TFormList>(clipboard));
    windows.emplace_back(std::make_unique<TFormHoriz>(clipboard));
    windows.emplace_back(std::make_unique<TFormCustom>(TFormCustom::Mode::Add, QStringList(), prompts));
    windows.emplace_back(std::make_unique<TFormCustom>(TFormCustom::Mode::Delete, QStringList("<B>"), prompts));
    windows.emplace_back(std::make_unique<TFormEditSnip>("<IMG SRC=\"a.gif\">"));
    windows.emplace_back(std::make_unique<TFormEmail>("me@example.org"));
    windows.emplace_back(std::make_unique<TReplaceDialog>());
    windows.emplace_back(std::make_unique<TFormConfirm>(true));
    windows.emplace_back(std::make_unique<TFormMove>(folder.path(), prompts));
    windows.emplace_back(std::make_unique<TFormPrintOptions>(true));
    windows.emplace_back(std::make_unique<TTipsForm>(true, [](int) { return 0; }));
    windows.emplace_back(std::make_unique<TFormSplash>(TFormSplash::Mode::About, 0));
    windows.emplace_back(std::make_unique<TSpellEngineDialog>(folder.path(), prompts));
    for (const auto &window : windows)
        found << richTexts(window.get());

    EXPECT_EQ(found.join(QLatin1Char('\n')).toStdString(), "");
}
