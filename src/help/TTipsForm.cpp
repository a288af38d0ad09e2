#include "help/TTipsForm.h"

#include "config/ColorNames.h"
#include "help/TipsOfTheDay.h"
#include "platform/PlainTexts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTipsForm::TTipsForm(bool showAtStartup, std::function<int(int)> pick, QWidget *parent)
    : QDialog(parent), m_pick(std::move(pick)), m_tip(new QLabel(this)),
      m_showAtStartup(new QCheckBox(QStringLiteral(" &Show Tips at Startup"), this))
{
    setObjectName(QStringLiteral("TipsForm"));
    setWindowTitle(TipsOfTheDay::caption);
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(TipsOfTheDay::title, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    m_tip->setObjectName(QStringLiteral("LabelTip"));
    m_tip->setWordWrap(true);
    m_tip->setMinimumSize(360, 110);
    m_tip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_tip->setAutoFillBackground(true);
    QPalette palette = m_tip->palette();
    palette.setColor(QPalette::Window, toQColor(TipsOfTheDay::kBackground));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_tip->setPalette(palette);
    m_tip->setMargin(8);
    layout->addWidget(m_tip);
    m_showAtStartup->setObjectName(QStringLiteral("CheckShowTips"));
    m_showAtStartup->setChecked(showAtStartup);
    layout->addWidget(m_showAtStartup);
    auto *buttons = new QHBoxLayout;
    auto *next = new QPushButton(QStringLiteral("&Next Tip"), this);
    next->setObjectName(QStringLiteral("ButtonNextTip"));
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(next);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(next, &QPushButton::clicked, this, &TTipsForm::NextTipClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    NextTipClick();
    showTextsAsPlainText(this);
}

void TTipsForm::NextTipClick()
{
    const QStringList &tips = TipsOfTheDay::tips();
    m_tip->setText(tips.value(m_pick(int(tips.size()))));
}

bool TTipsForm::showAtStartup() const
{
    return m_showAtStartup->isChecked();
}

QString TTipsForm::currentTip() const
{
    return m_tip->text();
}
