#include "dialogs/TFormList.h"

#include "dialogs/ListBuilder.h"
#include "platform/PlainTexts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TFormList::TFormList(Clipboard &clipboard, QWidget *parent)
    : QDialog(parent), m_clipboard(clipboard), m_radioOrd(new QRadioButton(QStringLiteral("Ordered"))),
      m_spinRows(new QSpinBox(this)), m_checkIndent(new QCheckBox(QStringLiteral("Do NOT indent <LI> items"), this))
{
    setObjectName(QStringLiteral("FormList"));
    setWindowTitle(QStringLiteral("Power List Tag"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *type = new QGroupBox(QStringLiteral("Type of List"), this);
    auto *typeLayout = new QVBoxLayout(type);
    auto *radioUn = new QRadioButton(QStringLiteral("Unordered"), type);
    radioUn->setObjectName(QStringLiteral("RadioUn"));
    radioUn->setChecked(true);
    m_radioOrd->setObjectName(QStringLiteral("RadioOrd"));
    typeLayout->addWidget(radioUn);
    typeLayout->addWidget(m_radioOrd);
    top->addWidget(type);
    auto *rowsLabel = new QLabel(QStringLiteral("# of Rows"), this);
    m_spinRows->setObjectName(QStringLiteral("SpinEdit1"));
    m_spinRows->setRange(1, 500);
    m_spinRows->setValue(1);
    top->addWidget(rowsLabel);
    top->addWidget(m_spinRows);
    top->addStretch(1);
    layout->addLayout(top);

    for (int i = 0; i < kListItemFields; ++i) {
        m_items[i] = new QLineEdit(this);
        m_items[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        layout->addWidget(m_items[i]);
    }
    auto *note =
        new QLabel(QStringLiteral("You can enter up to 10 list items above. Just select the # of rows you want "
                                  "in your list, and up to 10 data entry lines will appear. Then type in your "
                                  "data."),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_checkIndent->setObjectName(QStringLiteral("CheckIndent"));
    layout->addWidget(m_checkIndent);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    auto *make = new QPushButton(QStringLiteral("Make List"), this);
    make->setObjectName(QStringLiteral("Button2"));
    make->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    buttons->addStretch(1);
    buttons->addWidget(make);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(400, 520);

    connect(m_spinRows, &QSpinBox::valueChanged, this, &TFormList::SpinEdit1Change);
    connect(make, &QPushButton::clicked, this, &TFormList::Button2Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    SpinEdit1Change();
    showTextsAsPlainText(this);
}

void TFormList::editListKind(bool ordered)
{
    m_radioOrd->setChecked(ordered);
    if (!ordered)
        findChild<QRadioButton *>(QStringLiteral("RadioUn"))->setChecked(true);
    for (QWidget *field : std::initializer_list<QWidget *>{m_spinRows, m_checkIndent})
        field->setEnabled(false);
    for (QLineEdit *item : m_items)
        item->setEnabled(false);
}

void TFormList::SpinEdit1Change()
{
    const int visible = std::min(m_spinRows->value(), kListItemFields);
    for (int i = 0; i < kListItemFields; ++i)
        m_items[i]->setVisible(i < visible);
}

void TFormList::Button2Click()
{
    ListRequest request;
    request.ordered = m_radioOrd->isChecked();
    request.rows = m_spinRows->value();
    for (int i = 0; i < std::min(request.rows, kListItemFields); ++i)
        request.items << m_items[i]->text();
    request.noIndent = m_checkIndent->isChecked();
    handOver(m_result, m_clipboard, buildListText(request), true);
    accept();
}
