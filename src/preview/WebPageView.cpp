// The browser pane's web view, built as the module tovarel_webview.
#include "preview/LocalPageScheme.h"
#include "preview/PageView.h"

#include <QWebEngineHistory>
#include <QWebEngineSettings>
#include <QWebEngineView>

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
    }

    QWidget *widget() const override { return m_view; }
    void load(const QUrl &address) override { m_view->load(LocalPageScheme::shownUrl(address)); }
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
    QWebEngineView *m_view;
};
} // namespace

extern "C" Q_DECL_EXPORT PageView *tovarelCreatePageView(QWidget *parent)
{
    // Before the first view: the web engine reads its schemes when it starts.
    LocalPageScheme::registerScheme();
    return new WebPageView(parent);
}
