#include "dialogs/TFormFrameDialog.h"

#include "dialogs/FrameSetBuilder.h"
#include "platform/Clipboard.h"

#include "platform/DialogButtons.h"
#include "platform/PlainTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormFrameDialog::TFormFrameDialog(Clipboard &clipboard, QWidget *parent)
    : QDialog(parent), m_clipboard(clipboard), m_editUrl(new QLineEdit(this)), m_editName(new QLineEdit(this)),
      m_comboScroll(new QComboBox(this)), m_checkResize(new QCheckBox(QStringLiteral("No Resize"), this)),
      m_checkBorder(new QCheckBox(QStringLiteral("No Border"), this))
{
    setObjectName(QStringLiteral("FormFrameDialog"));
    setWindowTitle(QStringLiteral("FRAME Dialog"));
    m_editUrl->setObjectName(QStringLiteral("EditURL"));
    m_editName->setObjectName(QStringLiteral("EditName"));
    m_comboScroll->setObjectName(QStringLiteral("ComboBoxScroll"));
    m_comboScroll->addItems(kScrollingChoices);
    m_checkResize->setObjectName(QStringLiteral("CheckBoxResize"));
    m_checkBorder->setObjectName(QStringLiteral("CheckBoxBorder"));

    auto *layout = new QVBoxLayout(this);
    for (const char *note : {"Enter your frame data below. Then press the OK button to create a tag of this form:",
                             "<FRAME NAME=\"Index\" SRC=\"table.html\" SCROLLING=\"Auto\" >"}) {
        auto *label = new QLabel(QLatin1String(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("URL Source"), m_editUrl);
    fields->addRow(QStringLiteral("Name"), m_editName);
    fields->addRow(QStringLiteral("Scrolling:"), m_comboScroll);
    layout->addLayout(fields);
    auto *checks = new QHBoxLayout;
    checks->addWidget(m_checkResize);
    checks->addWidget(m_checkBorder);
    checks->addStretch(1);
    layout->addLayout(checks);
    auto *note =
        new QLabel(QStringLiteral("(NOTE: Do NOT include any quotation marks in the name or source field, they "
                                  "will be added automatically.)"),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);
    const auto [ok, cancel] = addOkCancelRow(this, layout);
    resize(440, 260);
    connect(ok, &QPushButton::clicked, this, &TFormFrameDialog::ButtonOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    prepare();
    showTextsAsPlainText(this);
}

void TFormFrameDialog::prepare()
{
    m_result = {};
    m_editUrl->clear();
    m_editName->clear();
    m_comboScroll->setCurrentIndex(0);
    m_checkResize->setChecked(true);
    m_checkBorder->setChecked(false);
    m_editUrl->setFocus();
}

void TFormFrameDialog::setFrame(const FrameRecord &frame)
{
    m_editUrl->setText(frame.url);
    m_editName->setText(frame.name.value_or(QString()));
    m_comboScroll->setCurrentText(frame.scrolling);
    m_checkResize->setChecked(frame.noResize);
    m_checkBorder->setChecked(frame.noBorder);
}

void TFormFrameDialog::ButtonOKClick()
{
    handOver(m_result, m_clipboard,
             FramesetDialogText::frameTag(m_editName->text(), m_editUrl->text(), m_comboScroll->currentText(),
                                          m_checkResize->isChecked(), m_checkBorder->isChecked()),
             true);
    accept();
}
