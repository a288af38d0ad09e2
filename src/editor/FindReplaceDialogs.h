#pragma once

#include "editor/SearchReplace.h"

#include <QDialog>

class HtmlEditor;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace FindDialogTexts {
inline const QString findTitle = QStringLiteral("Find");
inline const QString replaceTitle = QStringLiteral("Replace");
inline const QString findWhat = QStringLiteral("Fi&nd what:");
inline const QString replaceWith = QStringLiteral("Re&place with:");
inline const QString findNext = QStringLiteral("Find Next");
inline const QString replace = QStringLiteral("Replace");
inline const QString replaceAll = QStringLiteral("Replace All");
inline const QString cancel = QStringLiteral("Cancel");
inline const QString matchCase = QStringLiteral("Match case");
inline const QString wholeWord = QStringLiteral("Match whole word only");
inline const QString direction = QStringLiteral("Direction");
inline const QString up = QStringLiteral("Up");
inline const QString down = QStringLiteral("Down");
} // namespace FindDialogTexts

// What the Find and the Replace dialog share. Modeless; the buttons only signal, the search
// itself is the main window's SearchSession. Whole word and direction are shown for the
// familiar look but searching is always forward, by substring.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const; // empty in the Find dialog
    void setReplaceText(const QString &text);
    bool matchCase() const;
    void setMatchCase(bool on);
    SearchRequest request() const;

    // The Find and Replace commands: shows the dialog (or brings it forward) with `findText`.
    void execute(const QString &findText);

Q_SIGNALS:
    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();

protected:
    SearchDialog(bool withReplace, QWidget *parent);

private:
    QLineEdit *m_editFind = nullptr;
    QLineEdit *m_editReplace = nullptr;
    QCheckBox *m_checkMatchCase = nullptr;
};

class TFindDialog final : public SearchDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget *parent = nullptr);
};

class TReplaceDialog final : public SearchDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget *parent = nullptr);
};

// The dialog events FindDialog1Find, ReplaceDialog1Find and ReplaceDialog1Replace (Replace
// and Replace All), wired to the session.
void connectSearchDialogs(TFindDialog &findDialog, TReplaceDialog &replaceDialog, SearchSession &session);

// The slash commands' hooks over the editing window: word wrap, read-only, and replacing
// single characters in one edit block (one undo step, one relayout).
EditorHooks editorHooksFor(HtmlEditor &editor);
