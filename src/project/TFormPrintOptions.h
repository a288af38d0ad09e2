#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

// "Print Options": what the print command prints.
class TFormPrintOptions final : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Outline, OutlineWithLinks, HtmlFile };

    TFormPrintOptions(bool htmlFileOpen, QWidget *parent = nullptr);
    Choice choice() const;
    bool fileNameOnly() const;

private:
    QRadioButton *m_outline;
    QRadioButton *m_withLinks;
    QRadioButton *m_htmlFile;
    QCheckBox *m_paths;
};
