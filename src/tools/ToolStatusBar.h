#pragma once

#include <QElapsedTimer>
#include <QStatusBar>

class QLabel;
class QProgressBar;

// The status line of the site tools: a text and, while a run goes on, a progress bar and
// the hourglass.
class ToolStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit ToolStatusBar(QWidget *parent);
    ~ToolStatusBar() override;

    void setText(const QString &text);
    QString text() const;

    // A run of `steps` steps: hourglass and progress bar until end(). Runs may nest.
    void begin(int steps);
    void advance(int done);
    void end();

private:
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QElapsedTimer m_sinceProgress;
    int m_busyDepth = 0;
};
