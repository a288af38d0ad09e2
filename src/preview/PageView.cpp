#include "preview/PageView.h"

#include <QFileInfo>
#include <QLibrary>
#include <QLibraryInfo>

namespace {
const QString kModuleName = QStringLiteral("tovarel_webview.so");

bool helperProcessInstalled()
{
    // The browser runs in a helper process; without it no web view can show a page.
    const QByteArray configured = qgetenv("QTWEBENGINEPROCESS_PATH");
    if (!configured.isEmpty())
        return QFileInfo(QString::fromLocal8Bit(configured)).isExecutable();
    return QFileInfo(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/QtWebEngineProcess"))
        .isExecutable();
}
} // namespace

namespace PageViewModule {
QString locate(const QString &executableFolder)
{
    for (const QString &folder : {executableFolder, executableFolder + QStringLiteral("/../lib/tovarel/plugins")}) {
        const QFileInfo module(folder + QLatin1Char('/') + kModuleName);
        if (module.isFile())
            return module.canonicalFilePath();
    }
    return {};
}

bool usable(const QString &modulePath)
{
    return !modulePath.isEmpty() && QFileInfo(modulePath).isFile() && helperProcessInstalled();
}

std::unique_ptr<PageView> create(const QString &modulePath, QWidget *parent, QString *error)
{
    QLibrary module(modulePath); // never unloaded: its views live as long as their parents
    const auto make = reinterpret_cast<CreatePageViewFunction>(module.resolve(kCreatePageViewSymbol));
    if (!make) {
        if (error)
            *error = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<PageView>(make(parent));
}
} // namespace PageViewModule
