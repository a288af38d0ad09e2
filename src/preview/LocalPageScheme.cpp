#include "preview/LocalPageScheme.h"

#include "platform/RegularFile.h"

#include <QBuffer>
#include <QMimeDatabase>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace {
const QByteArray kScheme = QByteArrayLiteral("tovarel-local");

class LocalFileHandler final : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void setLivePage(const QString &path, const QByteArray &html)
    {
        m_livePath = path;
        m_liveHtml = html;
    }

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        const QString path = job->requestUrl().path();
        if (!m_livePath.isEmpty() && path == m_livePath) {
            reply(job, QByteArrayLiteral("text/html"), m_liveHtml); // any name: it is the page being edited
            return;
        }
        QByteArray bytes;
        if (!readRegularFile(path, bytes)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        reply(job, QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1(), bytes);
    }

private:
    static void reply(QWebEngineUrlRequestJob *job, const QByteArray &type, const QByteArray &bytes)
    {
        auto *body = new QBuffer(job);
        body->setData(bytes);
        body->open(QIODevice::ReadOnly);
        job->reply(type, body);
    }

    QString m_livePath;
    QByteArray m_liveHtml;
};

// What a page may load besides being navigated to: the parts a page is made of.
bool isPagePart(QWebEngineUrlRequestInfo::ResourceType type)
{
    switch (type) {
    case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeSubFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeStylesheet:
    case QWebEngineUrlRequestInfo::ResourceTypeScript:
    case QWebEngineUrlRequestInfo::ResourceTypeImage:
    case QWebEngineUrlRequestInfo::ResourceTypeFontResource:
    case QWebEngineUrlRequestInfo::ResourceTypeMedia:
    case QWebEngineUrlRequestInfo::ResourceTypeFavicon:
        return true;
    default: // XMLHttpRequest and fetch, pings, workers, reports, ...
        return false;
    }
}

class LocalPageGuard final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.navigationType() != QWebEngineUrlRequestInfo::NavigationTypeOther &&
            info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame)
            return; // the user follows a link or types an address: always theirs to go
        const bool fromLocalPage = info.firstPartyUrl().scheme().toLatin1() == kScheme;
        const bool toLocalFile = info.requestUrl().scheme().toLatin1() == kScheme;
        // A local page loads only its own parts, and nothing from elsewhere; nothing else
        // loads a local file.
        if (fromLocalPage ? !(toLocalFile && isPagePart(info.resourceType())) : toLocalFile)
            info.block(true);
    }
};
} // namespace

namespace LocalPageScheme {
void registerScheme()
{
    if (!QWebEngineUrlScheme::schemeByName(kScheme).name().isEmpty())
        return;
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void install(QWebEnginePage *page)
{
    QWebEngineProfile *profile = page->profile();
    if (!profile->urlSchemeHandler(kScheme))
        profile->installUrlSchemeHandler(kScheme, new LocalFileHandler(profile));
    page->setUrlRequestInterceptor(new LocalPageGuard(page));
}

void setLivePage(QWebEnginePage *page, const QString &path, const QByteArray &html)
{
    const QWebEngineUrlSchemeHandler *handler = page->profile()->urlSchemeHandler(kScheme);
    // Ours: install() put it there, and the profile hands it back only as const.
    if (auto *files = const_cast<LocalFileHandler *>(dynamic_cast<const LocalFileHandler *>(handler)))
        files->setLivePage(path, html);
}

QUrl shownUrl(const QUrl &address)
{
    if (!address.isLocalFile())
        return address;
    QUrl shown;
    shown.setScheme(QString::fromLatin1(kScheme));
    shown.setPath(address.path());
    return shown;
}
} // namespace LocalPageScheme
