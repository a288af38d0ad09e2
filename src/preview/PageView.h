#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <memory>

class QWidget;

// The web view of the browser pane. It lives in a module of its own (tovarel_webview), loaded
// the first time the pane is shown: linking the web engine into the program would make every
// start pay for loading it, previewing or not.
class PageView {
public:
    virtual ~PageView() = default;
    // The view's widget, owned by the parent it was made with.
    virtual QWidget *widget() const = 0;
    // Local files are shown through the program's own scheme, which gives a page its parts only.
    virtual void load(const QUrl &address) = 0;
    // Shows `html` as the page at `path` (its links resolve from that page's folder) without
    // writing it anywhere; when that page is showing already, in place, where it was scrolled.
    virtual void showLive(const QString &path, const QByteArray &html) = 0;
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual void stop() = 0;
};

namespace PageViewModule {
// The module beside the executable (run in place) or in <prefix>/lib/tovarel/plugins (installed);
// empty when there is none.
QString locate(const QString &executableFolder);
// Whether the module and the web engine's helper process are there, without loading either.
bool usable(const QString &modulePath);
// Loads the module (once) and makes a view; null, with the reason, when it cannot.
std::unique_ptr<PageView> create(const QString &modulePath, QWidget *parent, QString *error = nullptr);
} // namespace PageViewModule

// The module's one entry point, looked up by name.
inline constexpr const char *kCreatePageViewSymbol = "tovarelCreatePageView";
using CreatePageViewFunction = PageView *(*)(QWidget *parent);
