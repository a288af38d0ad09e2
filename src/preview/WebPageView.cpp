// The browser pane's web view, built as the module tovarel_webview.
#include "preview/LocalPageScheme.h"
#include "preview/PageView.h"

#include <QPointF>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <optional>

namespace {
class WebPageView final : public PageView {
public:
    explicit WebPageView(QWidget *parent) : m_view(new QWebEngineView(parent))
    {
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
        // A page shown here may read nothing else of the user's: no other file URLs and no
        // remote URLs from local content. Its own pictures, style sheets and scripts load
        // through the program's local-page scheme.
        QWebEngineSettings *settings = m_view->settings();
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        LocalPageScheme::install(m_view->page());
        QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, [this] { scrollBack(); });
    }

    QWidget *widget() const override { return m_view; }

    void load(const QUrl &address) override
    {
        LocalPageScheme::setLivePage(m_view->page(), QString(), QByteArray());
        m_scrollAfterLoad.reset();
        m_view->load(LocalPageScheme::shownUrl(address));
    }

    void showLive(const QString &path, const QByteArray &html) override
    {
        LocalPageScheme::setLivePage(m_view->page(), path, html);
        const QUrl address = LocalPageScheme::shownUrl(QUrl::fromLocalFile(path));
        if (m_view->url() != address) {
            m_scrollAfterLoad.reset();
            m_view->load(address);
            return;
        }
        // The same page again, in place: no new step in the history, and back where it was.
        if (!m_scrollAfterLoad) // a reload still under way has not been scrolled back yet
            m_scrollAfterLoad = m_view->page()->scrollPosition();
        m_view->triggerPageAction(QWebEnginePage::ReloadAndBypassCache);
    }
    void stop() override { m_view->stop(); }

    bool goBack() override
    {
        if (!m_view->history()->canGoBack())
            return false;
        m_view->back();
        return true;
    }

    bool goForward() override
    {
        if (!m_view->history()->canGoForward())
            return false;
        m_view->forward();
        return true;
    }

private:
    void scrollBack()
    {
        if (!m_scrollAfterLoad)
            return;
        m_view->page()->runJavaScript(
            QStringLiteral("window.scrollTo(%1, %2);").arg(m_scrollAfterLoad->x()).arg(m_scrollAfterLoad->y()));
        m_scrollAfterLoad.reset();
    }

    QWebEngineView *m_view;
    std::optional<QPointF> m_scrollAfterLoad; // where a live page was when its new text went in
};
} // namespace

extern "C" Q_DECL_EXPORT PageView *tovarelCreatePageView(QWidget *parent)
{
    // Before the first view: the web engine reads its schemes when it starts.
    LocalPageScheme::registerScheme();
    return new WebPageView(parent);
}
