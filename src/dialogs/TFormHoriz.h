#pragma once

#include "dialogs/HorizontalRule.h"
#include "dialogs/PowerHandOver.h"

#include <QDialog>

class Clipboard;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

// The strip that shows the rule as it would look on a page twice its width.
class HorizontalRuleSample final : public QWidget {
    Q_OBJECT
public:
    explicit HorizontalRuleSample(QWidget *parent = nullptr);
    void setRequest(const HorizontalRuleRequest &request);
    QRect lineRect() const { return m_line; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect m_line;
    bool m_shaded = true;
};

// "POWER Horizontal Line Tag": builds one HR tag.
class TFormHoriz final : public QDialog {
    Q_OBJECT
public:
    explicit TFormHoriz(Clipboard &clipboard, QWidget *parent = nullptr);

    const PowerResult &result() const { return m_result; }
    HorizontalRuleRequest request() const;
    void setRequest(const HorizontalRuleRequest &request);

public Q_SLOTS:
    void RadioWidthClick();
    void Button1Click(); // OK

private:
    void redraw();

    Clipboard &m_clipboard;
    PowerResult m_result;
    QComboBox *m_comboAlign;
    QSpinBox *m_spinThick;
    QRadioButton *m_radioPercent;
    QRadioButton *m_radioPixels;
    QSpinBox *m_spinPercent;
    QSpinBox *m_spinPixels;
    QCheckBox *m_checkNoShade;
    HorizontalRuleSample *m_sample;
};
