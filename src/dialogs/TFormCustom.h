#pragma once

#include <QDialog>
#include <QStringList>

class Prompts;
class QLineEdit;
class QListWidget;
class QWidget;

// "Custom Tags": adds one custom tag, or in delete mode edits the whole list.
class TFormCustom final : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Delete };
    // `entries` fills the delete mode's list.
    TFormCustom(Mode mode, const QStringList &entries, Prompts &prompts, QWidget *parent = nullptr);

    // Add mode, once accepted.
    QString name() const;
    QString startTag() const;
    QString endTag() const;
    // Delete mode, once accepted: what is left of the list.
    QStringList remainingEntries() const;

public Q_SLOTS:
    void EditStartKeyUp();
    void EditEndKeyUp();
    void ButtonAddTagClick();
    void ButtonDeleteClick();
    void ButtonDeleteAllClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildAddFields();
    QWidget *buildDeletePanel(const QStringList &entries);

    Prompts &m_prompts;
    QLineEdit *m_editName = nullptr;
    QLineEdit *m_editStart = nullptr;
    QLineEdit *m_editEnd = nullptr;
    QListWidget *m_list = nullptr;
};

namespace CustomTagDialogTexts {
inline const QString nameEmpty = QStringLiteral("You must supply a NAME for this tag.");
inline const QString nameBlank = QStringLiteral("The NAME may not start with a blank space.");
inline const QString nameCharacters =
    QStringLiteral("The NAME cannot contain any asterisk(*), \"<\", or \">\" characters. Please fix.");
inline const QString startMissing = QStringLiteral("You have not entered a START tag. This is a required field.");
inline const QString endMissing =
    QStringLiteral("You have not entered an END tag. Do you wish to continue without a END tag?");
} // namespace CustomTagDialogTexts
