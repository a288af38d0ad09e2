#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;

// The tip of the day: a random tip, "&Next Tip" for another, and the show-at-start-up box.
class TTipsForm final : public QDialog {
    Q_OBJECT
public:
    // `pick` chooses the index of the next tip (random in the program, fixed in tests).
    TTipsForm(bool showAtStartup, std::function<int(int count)> pick, QWidget *parent = nullptr);
    bool showAtStartup() const;
    QString currentTip() const;

public Q_SLOTS:
    void NextTipClick();

private:
    std::function<int(int)> m_pick;
    QLabel *m_tip;
    QCheckBox *m_showAtStartup;
};
