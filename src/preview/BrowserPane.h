#pragma once

#include "preview/PageView.h"
#include "preview/PreviewController.h"

#include <QFrame>
#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace BrowserPaneTexts {
inline const QString panelE = QStringLiteral("E");
inline const QString panelEHint = QStringLiteral("Show Edit Window");
inline const QString panelP = QStringLiteral("P");
inline const QString panelPHint = QStringLiteral("Show Preview Window");
inline const QString panelIE = QStringLiteral("IE");
inline const QString controls = QStringLiteral("MSIE Controls");
inline const QString back = QStringLiteral("Back");
inline const QString next = QStringLiteral("Next");
inline const QString stop = QStringLiteral("Stop");
inline const QString addressPrompt = QStringLiteral("Enter an HTTP web address here");
inline const QString go = QStringLiteral("GO!");
inline const QString close = QStringLiteral("X");
} // namespace BrowserPaneTexts

inline constexpr quint32 kActivePanelColour = 0x00FF00; // lime
inline constexpr quint32 kIdlePanelColour = 0x808080;   // grey

// The embedded browser pane of the editing area: the web view lying over the editing window
// (made the first time it is shown, so a run that never previews never loads a browser),
// the three view panels in the strip left of the editing window, and the control panel.
class BrowserPane final : public QObject, public BrowserPaneView {
    Q_OBJECT
public:
    // `editingArea` holds `editor`; the pane's widgets become its children. The web view comes
    // from `webViewModule` (see PageViewModule); without one the pane is not available.
    BrowserPane(QWidget *editingArea, QWidget *editor, const QString &webViewModule);
    ~BrowserPane() override;

    // Routes the panels, the control panel's buttons and double-clicks on the mode letter.
    void connectTo(PreviewController &controller, QLabel *modeLetter);

    QWidget *controlPanel() const { return m_controlPanel; }
    QWidget *container() const { return m_container; }
    QWidget *webView() const { return m_page ? m_page->widget() : nullptr; }

    bool isAvailable() const override { return m_available; }
    bool isShowing() const override { return m_showing; }
    void showOverEditor() override;
    void hideFromEditor() override;
    bool navigate(const QUrl &address) override;
    bool showLive(const QString &path, const QByteArray &html) override;
    bool goBack() override;
    bool goForward() override;
    bool stop() override;
    void setActivePanel(PreviewPanel panel) override;
    void setControlPanelVisible(bool visible) override;
    QString addressText() const override;

Q_SIGNALS:
    void panelIEClicked();
    void panelEClicked();
    void modeLetterDoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPanels();
    void buildControlPanel();
    void followEditor();

    QWidget *m_area;
    QWidget *m_editor;
    QString m_module;
    bool m_available;
    bool m_showing = false;
    QWidget *m_container = nullptr;
    std::unique_ptr<PageView> m_page;
    QFrame *m_panelE = nullptr;
    QFrame *m_panelP = nullptr;
    QFrame *m_panelIE = nullptr;
    QLabel *m_labelIE = nullptr;
    QLabel *m_modeLetter = nullptr;
    QFrame *m_controlPanel = nullptr;
    QLineEdit *m_address = nullptr;
};
