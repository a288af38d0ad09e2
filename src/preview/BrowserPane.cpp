#include "preview/BrowserPane.h"

#include "config/ColorNames.h"
#include "config/MainLayout.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPanelSize = 21;
constexpr int kPanelGap = 3;

QFrame *makeViewPanel(QWidget *parent, const QString &name, const QString &hint)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setToolTip(hint);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setFixedSize(kPanelSize, kPanelSize);
    return panel;
}

void colourPanel(QWidget *panel, quint32 colour)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    panel->setPalette(palette);
}
} // namespace

BrowserPane::BrowserPane(QWidget *editingArea, QWidget *editor, const QString &webViewModule)
    : QObject(editingArea), m_area(editingArea), m_editor(editor), m_module(webViewModule),
      m_available(PageViewModule::usable(webViewModule))
{
    m_container = new QWidget(m_area);
    m_container->setObjectName(QStringLiteral("OleContainer1"));
    auto *layout = new QVBoxLayout(m_container);
    layout->setContentsMargins(0, 0, 0, 0);
    m_container->hide();
    m_editor->installEventFilter(this);

    buildPanels();
    buildControlPanel();
    setActivePanel(PreviewPanel::Edit);
}

BrowserPane::~BrowserPane() = default;

void BrowserPane::buildPanels()
{
    m_panelE = makeViewPanel(m_area, QStringLiteral("PanelE"), BrowserPaneTexts::panelEHint);
    auto *labelE = new QLabel(BrowserPaneTexts::panelE, m_panelE);
    labelE->setAlignment(Qt::AlignCenter);
    labelE->setGeometry(0, 0, kPanelSize, kPanelSize);
    labelE->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_panelP = makeViewPanel(m_area, QStringLiteral("PanelP"), BrowserPaneTexts::panelPHint);
    auto *labelP = new QLabel(BrowserPaneTexts::panelP, m_panelP);
    labelP->setAlignment(Qt::AlignCenter);
    labelP->setGeometry(0, 0, kPanelSize, kPanelSize);
    m_panelP->hide();

    m_panelIE = makeViewPanel(m_area, QStringLiteral("PanelIE"), QString());
    m_labelIE = new QLabel(BrowserPaneTexts::panelIE, m_panelIE);
    m_labelIE->setObjectName(QStringLiteral("LabelIE"));
    m_labelIE->setAlignment(Qt::AlignCenter);
    m_labelIE->setGeometry(0, 0, kPanelSize, kPanelSize);

    const int top = MainLayout::kEditorHeightMargin;
    m_panelE->move(0, top);
    m_panelP->move(0, top + kPanelSize + kPanelGap);
    m_panelIE->move(0, top + 2 * (kPanelSize + kPanelGap));
    for (QObject *watched :
         {static_cast<QObject *>(m_panelE), static_cast<QObject *>(m_panelIE), static_cast<QObject *>(m_labelIE)})
        watched->installEventFilter(this);
}

void BrowserPane::buildControlPanel()
{
    m_controlPanel = new QFrame(m_area);
    m_controlPanel->setObjectName(QStringLiteral("PanelMSIE"));
    m_controlPanel->setAutoFillBackground(true);
    QPalette palette = m_controlPanel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    m_controlPanel->setPalette(palette);

    auto *layout = new QHBoxLayout(m_controlPanel);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(3);
    auto *caption = new QLabel(BrowserPaneTexts::controls, m_controlPanel);
    caption->setObjectName(QStringLiteral("LabelMSIEControls"));
    layout->addWidget(caption);
    const auto button = [this, layout](const char *name, const QString &text) {
        auto *b = new QPushButton(text, m_controlPanel);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    button("BitBtn6", BrowserPaneTexts::back);
    button("BitBtn7", BrowserPaneTexts::next);
    button("BitBtn5", BrowserPaneTexts::stop);
    m_address = new QLineEdit(BrowserPaneTexts::addressPrompt, m_controlPanel);
    m_address->setObjectName(QStringLiteral("Edit1"));
    m_address->setMinimumWidth(200);
    layout->addWidget(m_address);
    button("Button3", BrowserPaneTexts::go);
    button("BitBtn8", BrowserPaneTexts::close)->setMaximumWidth(28);
    m_controlPanel->adjustSize();
    m_controlPanel->move(MainLayout::kPanelMsieLeft, MainLayout::kPanelMsieTop);
    m_controlPanel->hide();
}

void BrowserPane::connectTo(PreviewController &controller, QLabel *modeLetter)
{
    PreviewController *c = &controller;
    connect(this, &BrowserPane::panelIEClicked, this, [c] { c->PanelIEClick(); });
    connect(this, &BrowserPane::panelEClicked, this, [c] { c->PanelEClick(); });
    connect(this, &BrowserPane::modeLetterDoubleClicked, this, [c] { c->LabelBrowserModeDblClick(); });
    const auto route = [this](const char *name, void (PreviewController::*handler)(), PreviewController *target) {
        auto *b = m_controlPanel->findChild<QPushButton *>(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, [target, handler] { (target->*handler)(); });
    };
    route("BitBtn6", &PreviewController::BitBtn6Click, c);
    route("BitBtn7", &PreviewController::BitBtn7Click, c);
    route("BitBtn5", &PreviewController::BitBtn5Click, c);
    route("Button3", &PreviewController::Button3Click, c);
    route("BitBtn8", &PreviewController::BitBtn8Click, c);
    if (modeLetter) {
        m_modeLetter = modeLetter;
        modeLetter->installEventFilter(this);
    }
}

bool BrowserPane::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_editor && (type == QEvent::Resize || type == QEvent::Move)) {
        followEditor();
    } else if (watched == m_modeLetter && type == QEvent::MouseButtonDblClick) {
        Q_EMIT modeLetterDoubleClicked();
        return true;
    } else if ((watched == m_panelIE || watched == m_labelIE) &&
               (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick)) {
        Q_EMIT panelIEClicked();
        return true;
    } else if (watched == m_panelE && type == QEvent::MouseButtonRelease) {
        Q_EMIT panelEClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void BrowserPane::followEditor()
{
    m_container->setGeometry(m_editor->geometry());
}

void BrowserPane::showOverEditor()
{
    if (!m_available)
        return;
    if (!m_page) {
        m_page = PageViewModule::create(m_module, m_container);
        if (!m_page) {
            m_available = false; // the module or the web engine's libraries cannot be loaded
            return;
        }
        m_container->layout()->addWidget(m_page->widget());
    }
    followEditor();
    m_container->show();
    m_container->raise();
    m_controlPanel->raise();
    m_showing = true;
}

void BrowserPane::hideFromEditor()
{
    m_container->hide();
    m_showing = false;
}

bool BrowserPane::navigate(const QUrl &address)
{
    if (!m_available || !address.isValid())
        return false;
    showOverEditor();
    if (!m_page)
        return false;
    m_page->load(address);
    return true;
}

bool BrowserPane::showLive(const QString &path, const QByteArray &html)
{
    if (!m_available || path.isEmpty())
        return false;
    showOverEditor();
    if (!m_page)
        return false;
    m_page->showLive(path, html);
    return true;
}

bool BrowserPane::goBack()
{
    return m_page && m_page->goBack();
}

bool BrowserPane::goForward()
{
    return m_page && m_page->goForward();
}

bool BrowserPane::stop()
{
    if (!m_page)
        return false;
    m_page->stop();
    return true;
}

void BrowserPane::setActivePanel(PreviewPanel panel)
{
    colourPanel(m_panelE, panel == PreviewPanel::Edit ? kActivePanelColour : kIdlePanelColour);
    colourPanel(m_panelP, panel == PreviewPanel::Preview ? kActivePanelColour : kIdlePanelColour);
    colourPanel(m_panelIE, panel == PreviewPanel::Pane ? kActivePanelColour : kIdlePanelColour);
}

void BrowserPane::setControlPanelVisible(bool visible)
{
    m_controlPanel->setVisible(visible);
    if (visible)
        m_controlPanel->raise();
}

QString BrowserPane::addressText() const
{
    return m_address->text();
}
