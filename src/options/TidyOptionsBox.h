#pragma once

#include <QGroupBox>

class QCheckBox;
class Settings;

// The "Tidy Page" choices of the settings dialog, filled from the settings in memory and
// stored by the dialog's Apply.
class TidyOptionsBox final : public QGroupBox {
    Q_OBJECT
public:
    TidyOptionsBox(const Settings &settings, QWidget *parent);

    void apply(Settings &settings) const;

private:
    QCheckBox *m_indent = nullptr;
    QCheckBox *m_upperCase = nullptr;
    QCheckBox *m_keepDoctype = nullptr;
};
