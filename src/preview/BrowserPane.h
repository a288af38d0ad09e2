#pragma once

#include "preview/PreviewController.h"

#include <QFrame>
#include <QObject>
#include <QPointF>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QWebEngineView;
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
// (created the first time it is shown, so a run that never previews never starts a browser),
// the three view panels in the strip left of the editing window, and the control panel.
class BrowserPane final : public QObject, public BrowserPaneView {
    Q_OBJECT
public:
    // `editingArea` holds `editor`; the pane's widgets become its children.
    BrowserPane(QWidget *editingArea, QWidget *editor, bool available);
    ~BrowserPane() override;

    // Whether a web view can be made on this system at all (start-up), without making one.
    static bool webEngineInstalled();

    // Routes the panels, the control panel's buttons and double-clicks on the mode letter.
    void connectTo(PreviewController &controller, QLabel *modeLetter);

    QWidget *controlPanel() const { return m_controlPanel; }
    QWidget *container() const { return m_container; }
    QWebEngineView *webView() const { return m_view; }

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
    bool m_available;
    bool m_showing = false;
    QWidget *m_container = nullptr;
    QWebEngineView *m_view = nullptr;
    QFrame *m_panelE = nullptr;
    QFrame *m_panelP = nullptr;
    QFrame *m_panelIE = nullptr;
    QLabel *m_labelIE = nullptr;
    QLabel *m_modeLetter = nullptr;
    QFrame *m_controlPanel = nullptr;
    QLineEdit *m_address = nullptr;
    std::optional<QPointF> m_scrollAfterLoad; // where a live page was when its new text went in
};
