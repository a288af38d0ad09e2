// The tag builder dialogs of frames, lists and rules, the custom tags, the snips and the
// colour picker, as the main window offers them.
#include "app/TForm1.h"

#include "dialogs/ColourText.h"
#include "dialogs/CustomTagList.h"
#include "dialogs/SnipPage.h"
#include "dialogs/TFormCustom.h"
#include "dialogs/TFormFrameDialog.h"
#include "dialogs/TFormFrameSet.h"
#include "dialogs/TFormHoriz.h"
#include "dialogs/TFormList.h"
#include "dialogs/Tformframes.h"
#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "editor/TagInsertion.h"
#include "platform/Clipboard.h"
#include "platform/Prompts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {
QToolButton *tagBarButton(QTabWidget *tags, const char *tab, const char *name, const QString &caption,
                          const QString &hint, QAction *command)
{
    QWidget *page = tags->findChild<QWidget *>(QStringLiteral("TabSheet") + QLatin1String(tab));
    auto *button = new QToolButton(page);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(hint);
    auto *row = static_cast<QHBoxLayout *>(page->layout());
    row->insertWidget(row->count() - 1, button); // before the closing stretch
    QObject::connect(button, &QToolButton::clicked, command, &QAction::trigger);
    return button;
}
} // namespace

void TForm1::buildFrameCommands()
{
    onCommand(QStringLiteral("PowerFrame1"), &TForm1::PowerFrame1Click);
    onCommand(QStringLiteral("PowerList1"), &TForm1::PowerList1Click);
    onCommand(QStringLiteral("HorizontalRule1"), &TForm1::HorizontalRule1Click);
    onCommand(QStringLiteral("FRAMESETDialog1"), &TForm1::FramesetDialog1Click);
    onCommand(QStringLiteral("FRAMEDialog1"), &TForm1::FrameDialog1Click);
    onCommand(QStringLiteral("ColorPicker1"), &TForm1::ColorPicker1Click);

    // The tag bar's buttons of these commands.
    tagBarButton(m_pageControlTags, "Frames", "BitBtnPFrame", QStringLiteral("Power"), QStringLiteral("POWER Frame"),
                 commandAction(QStringLiteral("PowerFrame1")));
    tagBarButton(m_pageControlTags, "Frames", "BitBtnSetDialog", QStringLiteral("SET..."),
                 QStringLiteral("FRAMESET Dialog"), commandAction(QStringLiteral("FRAMESETDialog1")));
    tagBarButton(m_pageControlTags, "Frames", "BitBtnFrameDialog", QStringLiteral("FRA..."),
                 QStringLiteral("FRAME Dialog"), commandAction(QStringLiteral("FRAMEDialog1")));
    tagBarButton(m_pageControlTags, "List", "BitBtnList", QStringLiteral("Power"), QStringLiteral("Power LIST Tag"),
                 commandAction(QStringLiteral("PowerList1")));

    // The "Custom" page of the tag bar.
    QWidget *customPage = m_pageControlTags->findChild<QWidget *>(QStringLiteral("TabSheetCustom"));
    auto *customRow = static_cast<QHBoxLayout *>(customPage->layout());
    m_comboCustom = new QComboBox(customPage);
    m_comboCustom->setObjectName(QStringLiteral("ComboCustom"));
    m_comboCustom->setMinimumWidth(260);
    auto *addDelete = new QGroupBox(QStringLiteral("Add/Delete"), customPage);
    addDelete->setObjectName(QStringLiteral("GroupBoxCustom"));
    auto *addDeleteRow = new QHBoxLayout(addDelete);
    addDeleteRow->setContentsMargins(4, 0, 4, 2);
    addDeleteRow->setSpacing(2);
    auto *add = new QToolButton(addDelete);
    add->setObjectName(QStringLiteral("BitBtnCustomAdd"));
    add->setText(QStringLiteral("+"));
    add->setToolTip(QStringLiteral("Add"));
    auto *remove = new QToolButton(addDelete);
    remove->setObjectName(QStringLiteral("BitBtnCustomDelete"));
    remove->setText(QStringLiteral("-"));
    remove->setToolTip(QStringLiteral("Delete"));
    for (QToolButton *button : {add, remove})
        button->setFixedSize(26, 18);
    addDeleteRow->addWidget(add);
    addDeleteRow->addWidget(remove);
    customRow->insertWidget(0, m_comboCustom);
    customRow->insertWidget(1, addDelete);
    connect(m_comboCustom, &QComboBox::activated, this, &TForm1::ComboCustomChange);
    connect(add, &QToolButton::clicked, this, &TForm1::BitBtnCustomAddClick);
    connect(remove, &QToolButton::clicked, this, &TForm1::BitBtnCustomDeleteClick);
    m_customTags = std::make_unique<CustomTagList>();

    m_snipPageUrl->setPicked([this] { pasteSnip(); });
    m_snipPageMisc->setPicked([this] { pasteSnip(); });

    m_formFrameDialog = new TFormFrameDialog(*m_env.clipboard, this);
}

// Start-up: the custom tags with the two header items on top, the first one showing.
void TForm1::loadCustomTags()
{
    m_customTags->load(m_settings.folders().writable() + CustomTagTexts::fileName);
    m_comboCustom->clear();
    m_comboCustom->addItems(m_customTags->comboItems());
    m_comboCustom->setCurrentIndex(0);
}

void TForm1::loadSnips()
{
    m_snipPageUrl->load(m_settings.folders().writable() + kUrlSnipsFile);
    m_snipPageMisc->load(m_settings.folders().writable() + kMiscSnipsFile);
}

void TForm1::pastePowerResult(const PowerResult &result, bool collapseFirst)
{
    if (result.insert)
        m_tagInserter->pasteAndSelect(result.length, collapseFirst);
}

void TForm1::PowerFrame1Click()
{
    Tformframes dialog(*m_env.clipboard, prompts(), this);
    dialog.exec();
    pastePowerResult(dialog.result(), true);
}

void TForm1::FramesetDialog1Click()
{
    m_env.clipboard->clear();
    m_editorAccess->setFocus();
    const int start = m_editorAccess->selStart();
    const QString cut = m_editorAccess->selectedText();
    const bool wasModified = m_document->isModified();
    if (!cut.isEmpty()) {
        m_env.clipboard->setText(cut);
        m_editorAccess->replaceSelection(QString());
    }
    TFormFrameSet dialog(*m_env.clipboard, this);
    dialog.exec();
    if (dialog.result().insert) {
        pastePowerResult(dialog.result(), true);
        return;
    }
    // Cancelled: the cut text goes back as it was. It is kept here rather than taken from
    // the clipboard, which the user may have used meanwhile.
    if (!cut.isEmpty()) {
        m_editorAccess->setSelection(start, 0);
        m_editorAccess->replaceSelection(cut);
        m_editorAccess->setSelection(start, int(cut.size()));
        m_document->setModified(wasModified); // the text is as it was
    }
}

void TForm1::FrameDialog1Click()
{
    m_env.clipboard->clear();
    m_formFrameDialog->prepare();
    m_formFrameDialog->exec();
    pastePowerResult(m_formFrameDialog->result(), true);
}

void TForm1::PowerList1Click()
{
    TFormList dialog(*m_env.clipboard, this);
    dialog.exec();
    pastePowerResult(dialog.result(), true);
}

void TForm1::HorizontalRule1Click()
{
    TFormHoriz dialog(*m_env.clipboard, this);
    dialog.exec();
    pastePowerResult(dialog.result(), false); // the rule replaces a selection
}

void TForm1::ColorPicker1Click()
{
    if (const std::optional<QString> text = pickColourText(prompts(), m_pickedColour))
        m_tagInserter->wrapInPlace(*text);
}

void TForm1::ComboCustomChange(int index)
{
    if (CustomTagList::isHeaderItem(index))
        return;
    m_tagInserter->customPairWrap(m_comboCustom->itemText(index));
    m_comboCustom->setCurrentIndex(0);
}

void TForm1::saveCustomTags()
{
    const QString path = m_settings.folders().writable() + CustomTagTexts::fileName;
    QString error;
    const bool written = m_customTags->save(path, &error);
    m_comboCustom->clear();
    m_comboCustom->addItems(m_customTags->comboItems());
    m_comboCustom->setCurrentIndex(0);
    if (!written)
        prompts().error(cannotWriteDataFile(error));
}

void TForm1::BitBtnCustomAddClick()
{
    TFormCustom dialog(TFormCustom::Mode::Add, {}, prompts(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_customTags->add(CustomTagList::entryLine(dialog.name(), dialog.startTag(), dialog.endTag()));
        saveCustomTags();
    }
    m_comboCustom->setCurrentIndex(0);
}

void TForm1::BitBtnCustomDeleteClick()
{
    TFormCustom dialog(TFormCustom::Mode::Delete, m_customTags->entries(), prompts(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_customTags->replaceAll(dialog.remainingEntries());
        saveCustomTags();
    }
    m_comboCustom->setCurrentIndex(0);
}

void TForm1::pasteSnip()
{
    if (!findChild<QRadioButton *>(QStringLiteral("RadioPaste"))->isChecked())
        return;
    m_editorAccess->setFocus();
    m_document->setModified(true);
    m_editorAccess->paste();
}
