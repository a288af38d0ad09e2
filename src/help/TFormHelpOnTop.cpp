#include "help/TFormHelpOnTop.h"

#include "platform/PlainTexts.h"
#include "platform/TextFile.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>

TFormHelpOnTop::TFormHelpOnTop(const QString &programFolder, const QStringList &pages, int firstPage, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_programFolder(programFolder), m_pages(pages),
      m_text(new QTextEdit(this)), m_next(new QPushButton(QStringLiteral("Next"), this)),
      m_prev(new QPushButton(QStringLiteral("Prev"), this)),
      m_hint(new QLabel(QStringLiteral("Resize me by dragging on one of my corners. Move me anywhere on the screen by "
                                       "dragging my title bar above."),
                        this))
{
    setObjectName(QStringLiteral("FormHelpOnTop"));
    setWindowTitle(QStringLiteral("Help On Top"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setObjectName(QStringLiteral("REHelp"));
    m_text->setReadOnly(true);
    m_next->setObjectName(QStringLiteral("ButtonNext"));
    m_prev->setObjectName(QStringLiteral("ButtonPrev"));
    m_hint->setObjectName(QStringLiteral("LabelHint"));
    m_hint->setWordWrap(true);
    connect(m_next, &QPushButton::clicked, this, &TFormHelpOnTop::NextClick);
    connect(m_prev, &QPushButton::clicked, this, &TFormHelpOnTop::PrevClick);
    m_text->setGeometry(4, 4, 360, 300);
    m_prev->setGeometry(4, 308, 70, 26);
    m_next->setGeometry(80, 308, 70, 26);
    m_hint->setGeometry(156, 304, 210, 64); // three lines of the default font
    resize(kCreatedSize);
    showPage(firstPage);
    showTextsAsPlainText(this);
}

void TFormHelpOnTop::showPage(int page)
{
    m_page = std::clamp(page, 0, std::max(0, int(m_pages.size()) - 1));
    m_text->clear();
    const QString helpFolder = m_programFolder + QStringLiteral("help/");
    // The page is read as a page, with its headings and lists, never shown as source.
    m_text->document()->setBaseUrl(QUrl::fromLocalFile(helpFolder));
    if (const std::optional<DecodedText> file = readTextFile(helpFolder + m_pages.value(m_page)))
        m_text->setHtml(file->text);
    m_prev->setEnabled(m_page > 0);
    m_next->setEnabled(m_page < m_pages.size() - 1);
}

void TFormHelpOnTop::NextClick()
{
    showPage(m_page + 1);
}

void TFormHelpOnTop::PrevClick()
{
    showPage(m_page - 1);
}

QString TFormHelpOnTop::text() const
{
    return m_text->toPlainText();
}

bool TFormHelpOnTop::hintVisible() const
{
    return !m_hint->isHidden();
}

void TFormHelpOnTop::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (size() == kCreatedSize)
        return; // the resizes of its creation and showing do not count
    m_hint->hide();
    m_text->setGeometry(4, 4, std::max(0, width() - 15), std::max(0, height() - 68));
    const int buttonsTop = m_text->geometry().bottom() + 1 + 4;
    m_prev->move(4, buttonsTop);
    m_next->move(80, buttonsTop);
}

void TFormHelpOnTop::closeEvent(QCloseEvent *event)
{
    Q_EMIT closed();
    QWidget::closeEvent(event);
}
