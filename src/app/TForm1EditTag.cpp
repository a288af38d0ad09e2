// Edit Tag: the BODY, A, IMG, TABLE, HR, FRAMESET, FRAME or list tag under the caret goes back
// through the Power dialog that builds it; OK puts the new tag in its place.
#include "app/TForm1.h"

#include "dialogs/TFormAnchor.h"
#include "dialogs/TFormBody.h"
#include "dialogs/TFormFrameDialog.h"
#include "dialogs/TFormFrameSet.h"
#include "dialogs/TFormHoriz.h"
#include "dialogs/TFormImageView.h"
#include "dialogs/TFormList.h"
#include "dialogs/TFormTable.h"
#include "dialogs/TagEditing.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/Clipboard.h"
#include "platform/Prompts.h"

void TForm1::EditTag1Click()
{
    const QString text = LineBreaks::toCrLf(m_editorAccess->plainText());
    const std::optional<OpeningTag> tag = TagEditing::editableTagAt(text, m_editorAccess->selStart());
    if (!tag) {
        prompts().information(EditTagTexts::noTag);
        return;
    }
    // The dialog hands its text over here, so the user's clipboard is left alone unless asked.
    MemoryClipboard scratch;
    if (!runTagDialog(*tag, scratch)) {
        if (!scratch.text().isEmpty()) // Copy Tag to Clipboard
            m_env.clipboard->setText(scratch.text());
        return;
    }
    const std::optional<TagReplacement> change = TagEditing::replacement(text, *tag, scratch.text());
    if (!change)
        return;
    const int before = m_editor->document()->revision();
    m_editorAccess->setFocus();
    m_editorAccess->setSelection(change->start, change->length);
    m_editorAccess->replaceSelection(change->text); // one step for Undo
    m_editorAccess->setSelection(change->start, int(change->text.size()));
    markModifiedIfChanged(before);
}

bool TForm1::runTagDialog(const OpeningTag &tag, Clipboard &scratch)
{
    PowerResult result;
    switch (*TagEditing::dialogFor(tag.name)) {
    case TagDialog::Body: {
        TFormBody dialog(m_settings, prompts(), scratch, result, this);
        dialog.setFields(TagEditing::bodyFields(tag, dialog.fields()));
        dialog.exec();
        break;
    }
    case TagDialog::Anchor: {
        TFormAnchor dialog(prompts(), scratch, result, QString(), false, m_settings.text(SettingKey::AnchorPath),
                           m_masks.masks, m_settings.text(SettingKey::StartLocation), this);
        dialog.setFields(TagEditing::anchorFields(tag));
        dialog.exec();
        break;
    }
    case TagDialog::Image: {
        TFormImageView dialog(prompts(), scratch, result, m_settings.text(SettingKey::RelImage),
                              m_settings.text(SettingKey::StartLocation), QString(), this);
        dialog.setFields(TagEditing::imgFields(tag));
        dialog.exec();
        break;
    }
    case TagDialog::Table: {
        TFormTable dialog(scratch, result, this);
        dialog.setTagFields(TagEditing::tableFields(tag));
        dialog.exec();
        break;
    }
    case TagDialog::Rule: {
        TFormHoriz dialog(scratch, this);
        dialog.setRequest(TagEditing::ruleRequest(tag));
        dialog.exec();
        result = dialog.result();
        break;
    }
    case TagDialog::Frameset: {
        TFormFrameSet dialog(scratch, this); // nothing to wrap: only the tag is kept
        dialog.setSizes(tag.value(QStringLiteral("COLS")), tag.value(QStringLiteral("ROWS")));
        dialog.exec();
        result = dialog.result();
        break;
    }
    case TagDialog::Frame: {
        TFormFrameDialog dialog(scratch, this);
        dialog.setFrame(TagEditing::frameRecord(tag));
        dialog.exec();
        result = dialog.result();
        break;
    }
    case TagDialog::List: {
        TFormList dialog(scratch, this);
        dialog.editListKind(tag.name == QLatin1String("OL"));
        dialog.exec();
        result = dialog.result();
        break;
    }
    }
    return result.insert;
}
