#include "editor/TFormSpeedBar.h"

#include "editor/TagPanel.h"
#include "platform/PlainTexts.h"

#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

TFormSpeedBar::TFormSpeedBar(EditorAccess &editor, std::function<void()> markModified, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_editor(editor), m_markModified(std::move(markModified)),
      m_tags(new QListWidget), m_attributes(new QListWidget)
{
    setObjectName(QStringLiteral("FormSpeedBar"));
    setWindowTitle(QStringLiteral("Tag Panel"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *pages = new QTabWidget(this);
    m_tags->setObjectName(QStringLiteral("ListBox1"));
    m_tags->addItems(TagPanel::tagEntries());
    m_attributes->setObjectName(QStringLiteral("ListBox2"));
    m_attributes->addItems(TagPanel::attributeEntries());
    pages->addTab(m_tags, QStringLiteral("Tags"));
    pages->addTab(m_attributes, QStringLiteral("Attributes"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pages);
    resize(220, 360);
    connect(m_tags, &QListWidget::itemDoubleClicked, this, &TFormSpeedBar::ListBox1DblClick);
    connect(m_attributes, &QListWidget::itemDoubleClicked, this, &TFormSpeedBar::ListBox2DblClick);
    showTextsAsPlainText(this);
}

void TFormSpeedBar::ListBox1DblClick()
{
    if (QListWidgetItem *item = m_tags->currentItem()) {
        TagPanel::insertTag(m_editor, item->text());
        m_markModified();
    }
}

void TFormSpeedBar::ListBox2DblClick()
{
    if (QListWidgetItem *item = m_attributes->currentItem()) {
        TagPanel::insertAttribute(m_editor, item->text());
        m_markModified();
    }
}
