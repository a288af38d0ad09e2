#include "dialogs/TFormFrameSet.h"

#include "dialogs/FrameSetBuilder.h"
#include "editor/EditorAccess.h"
#include "platform/Clipboard.h"

#include "platform/DialogButtons.h"
#include "platform/PlainTexts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormFrameSet::TFormFrameSet(Clipboard &clipboard, QWidget *parent)
    : QDialog(parent), m_clipboard(clipboard), m_editCols(new QLineEdit(this)), m_editRows(new QLineEdit(this))
{
    setObjectName(QStringLiteral("FormFrameSet"));
    setWindowTitle(QStringLiteral("FRAMESET Dialog"));
    m_editCols->setObjectName(QStringLiteral("EditCols"));
    m_editRows->setObjectName(QStringLiteral("EditRows"));
    auto *layout = new QVBoxLayout(this);
    for (const char *note : {"Fill in the blanks below. Then press the OK button to create a tag of this form:",
                             "<FRAMESET COLS=\"100%\" ROWS=\"50%,50%\">"}) {
        auto *label = new QLabel(QLatin1String(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("COLS="), m_editCols);
    fields->addRow(QStringLiteral("ROWS="), m_editRows);
    layout->addLayout(fields);
    for (const char *note : {"(ex:  25%,50%,25%  )", "NOTE: Do NOT include any quotation marks in your entries -- "
                                                     "they will be added for you automatically."}) {
        auto *label = new QLabel(QLatin1String(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    const auto [ok, cancel] = addOkCancelRow(this, layout);
    resize(440, 240);
    connect(ok, &QPushButton::clicked, this, &TFormFrameSet::ButtonOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The clipboard may carry the cut lines with any line breaks; the buffer uses CR LF.
    m_buffer = FramesetDialogText::indentLines(LineBreaks::toCrLf(LineBreaks::fromCrLf(m_clipboard.text())));
    showTextsAsPlainText(this);
}

void TFormFrameSet::setSizes(const QString &cols, const QString &rows)
{
    m_editCols->setText(cols);
    m_editRows->setText(rows);
}

void TFormFrameSet::ButtonOKClick()
{
    handOver(m_result, m_clipboard, FramesetDialogText::wrap(m_editCols->text(), m_editRows->text(), m_buffer), true);
    accept();
}
