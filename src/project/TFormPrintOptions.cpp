#include "project/TFormPrintOptions.h"

#include "platform/PlainTexts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFormPrintOptions::TFormPrintOptions(bool htmlFileOpen, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPrintOptions"));
    setWindowTitle(QStringLiteral("Print Options"));
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(QStringLiteral("Select Print Option: "), this);
    auto *groupLayout = new QVBoxLayout(group);
    m_outline = new QRadioButton(QStringLiteral("Project Outline Only"), group);
    m_outline->setObjectName(QStringLiteral("RadioButton1"));
    m_outline->setChecked(true);
    m_withLinks = new QRadioButton(QStringLiteral("Project Outline with File Links"), group);
    m_withLinks->setObjectName(QStringLiteral("RadioButton2"));
    m_htmlFile = new QRadioButton(QStringLiteral("Currently Open HTML File"), group);
    m_htmlFile->setObjectName(QStringLiteral("RadioButton3"));
    m_htmlFile->setEnabled(htmlFileOpen);
    m_paths = new QCheckBox(QStringLiteral("Include filename only, not entire path"), group);
    m_paths->setObjectName(QStringLiteral("CheckBoxPaths"));
    for (QWidget *w : std::initializer_list<QWidget *>{m_outline, m_withLinks, m_htmlFile, m_paths})
        groupLayout->addWidget(w);
    layout->addWidget(group);
    auto *buttons = new QHBoxLayout;
    auto *print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("ButtonPrint"));
    print->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showTextsAsPlainText(this);
}

TFormPrintOptions::Choice TFormPrintOptions::choice() const
{
    if (m_withLinks->isChecked())
        return Choice::OutlineWithLinks;
    if (m_htmlFile->isChecked())
        return Choice::HtmlFile;
    return Choice::Outline;
}

bool TFormPrintOptions::fileNameOnly() const
{
    return m_paths->isChecked();
}
