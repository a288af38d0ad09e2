#pragma once

#include "dialogs/FrameSetBuilder.h"
#include "dialogs/PowerHandOver.h"

#include <QDialog>
#include <QLabel>

#include <array>

class Clipboard;
class Prompts;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// A frame as the Frame Builder draws it; clicking it picks the frame.
class FramePicture final : public QLabel {
    Q_OBJECT
public:
    FramePicture(const QString &caption, QWidget *parent);
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_current = false;
};

// A small drawing of one frame template in the colours of its frames.
class FrameTemplatePicture final : public QWidget {
    Q_OBJECT
public:
    FrameTemplatePicture(int templateNumber, QWidget *parent);

Q_SIGNALS:
    void clicked(int templateNumber);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_template;
};

// "Frame Builder": a frameset from the three-step wizard or from one of five templates.
// It has no close box: Cancel, Finish and Exit are the only ways out.
class Tformframes final : public QDialog {
    Q_OBJECT
public:
    Tformframes(Clipboard &clipboard, Prompts &prompts, QWidget *parent = nullptr);

    const PowerResult &result() const { return m_result; }
    int step() const { return m_step; }
    int selectedTemplate() const { return m_template; }

public Q_SLOTS:
    void ButtonNextClick();
    void ButtonBackClick();
    void ButtonCancelClick();
    void SpinEditChange(int mainFrame);
    void FramePictureClick(int mainFrame, int subFrame);
    void BitBtnOpenURLClick();
    void TemplateClick(int templateNumber);
    void ButtonCreateTempFramesClick();

public:
    void reject() override; // Escape does not close the window either

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildWizardPage();
    QWidget *buildTemplatePage();
    QWidget *buildHelpPage();
    QGroupBox *buildTemplateGroup(const QString &colour, const QString &defaultName, const QColor &shade);
    void showStep(int step);
    void layOutPictures();
    void loadPanel();
    void storePanel();
    void pickFileInto(QLineEdit *field);
    FramePicture *pictureOf(int mainFrame, int subFrame) const;
    void finish(const QString &text);

    Clipboard &m_clipboard;
    Prompts &m_prompts;
    PowerResult m_result;
    FrameWizardModel m_model;
    int m_step = 1;
    int m_currentMain = 1;
    int m_currentSub = 1;
    int m_template = 1;

    QTabWidget *m_pages = nullptr;
    QLabel *m_stepTitle = nullptr;
    QWidget *m_step1 = nullptr;
    QWidget *m_step2 = nullptr;
    QWidget *m_step2Notes = nullptr;
    QRadioButton *m_radioColumns = nullptr;
    QRadioButton *m_radioRows = nullptr;
    QSpinBox *m_spinStart = nullptr;
    std::array<FramePicture *, kMaxFrames> m_mainPictures{};
    std::array<std::array<FramePicture *, kMaxFrames>, kMaxFrames> m_subPictures{};
    std::array<QSpinBox *, kMaxFrames> m_dials{};
    QWidget *m_dataPanel = nullptr;
    QLineEdit *m_editName = nullptr;
    QLineEdit *m_editUrl = nullptr;
    QComboBox *m_comboScroll = nullptr;
    QCheckBox *m_checkResize = nullptr;
    QCheckBox *m_checkBorder = nullptr;
    QPushButton *m_buttonNext = nullptr;
    QPushButton *m_buttonBack = nullptr;

    std::array<FrameTemplatePicture *, FrameTemplates::kCount> m_templatePictures{};
    QWidget *m_highlight = nullptr;
    struct TemplateGroup {
        QGroupBox *group;
        QLineEdit *name;
        QLineEdit *url;
        QComboBox *scroll;
        QCheckBox *resize;
        QCheckBox *border;
    };
    std::array<TemplateGroup, 3> m_templateGroups{}; // by TemplateColour
    bool m_closing = false;
};

namespace FrameBuilderTexts {
inline const QString caption = QStringLiteral("Frame Builder");
inline const QString step1 = QStringLiteral("Frame Builder Step#1:  Define Starting Layout");
inline const QString step2 = QStringLiteral("Frame Builder Step#2:  Create Subframes");
inline const QString step3 = QStringLiteral("Frame Builder Step#3:  Enter Frame Data");
inline const QString next = QStringLiteral("Next  >");
inline const QString finish = QStringLiteral("Finish  >");
inline const QString back = QStringLiteral("<  Back");
inline const QString fileFilter = QStringLiteral("All Files|*.*|HTM|*.htm|HTML|*.html|SHTML|*.shtml|ASP|*.asp");
} // namespace FrameBuilderTexts
