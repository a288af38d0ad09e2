#include "tools/ToolStatusBar.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

namespace {
// The bar repaints at once on each visible change: a few times a second is enough.
constexpr qint64 kProgressEveryMs = 50;
} // namespace

ToolStatusBar::ToolStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LabelStatus"));
    addWidget(m_status, 1);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->hide();
    addPermanentWidget(m_progress, 1);
}

ToolStatusBar::~ToolStatusBar()
{
    for (; m_busyDepth > 0; --m_busyDepth)
        QApplication::restoreOverrideCursor();
}

void ToolStatusBar::setText(const QString &text)
{
    m_status->setText(text);
}

QString ToolStatusBar::text() const
{
    return m_status->text();
}

void ToolStatusBar::begin(int steps)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_busyDepth;
    m_progress->setRange(0, std::max(steps, 1));
    m_progress->setValue(0);
    m_progress->show();
    m_sinceProgress.invalidate();
}

void ToolStatusBar::advance(int done)
{
    if (m_sinceProgress.isValid() && m_sinceProgress.elapsed() < kProgressEveryMs && done != m_progress->maximum())
        return;
    m_progress->setValue(done);
    m_sinceProgress.start();
}

void ToolStatusBar::end()
{
    m_progress->hide();
    if (m_busyDepth > 0) {
        --m_busyDepth;
        QApplication::restoreOverrideCursor();
    }
}
