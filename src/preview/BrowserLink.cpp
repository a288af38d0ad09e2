#include "preview/BrowserLink.h"

#include "platform/ProgramFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

QString BrowserLinkTexts::openUrlItem(const QString &path)
{
    return QLatin1Char('"') + path + QStringLiteral("\",,0xFFFFFFFF,,,,,");
}

std::optional<QString> BrowserLinkTexts::pathOfOpenUrlItem(const QString &item)
{
    static const QString tail = QStringLiteral("\",,0xFFFFFFFF,,,,,");
    if (!item.startsWith(QLatin1Char('"')) || !item.endsWith(tail) || item.size() < tail.size() + 1)
        return std::nullopt;
    return item.mid(1, item.size() - 1 - tail.size());
}

QString BrowserLinkTexts::programOfStartCommand(const QString &startCommand)
{
    if (startCommand.endsWith(netscapeStartFlag))
        return startCommand.left(startCommand.size() - netscapeStartFlag.size());
    return startCommand;
}

bool ProcessBrowserLink::connect(const QString &service, const QString &topic, const QString &startCommand)
{
    m_calls.append({service, topic, {}});
    m_service = service;
    m_topic = topic;
    m_program = BrowserLinkTexts::programOfStartCommand(startCommand);
    // The service answers as long as its program is there to be started.
    const QFileInfo program(m_program);
    m_connected = program.isFile() && program.isExecutable();
    return m_connected;
}

std::optional<QString> ProcessBrowserLink::request(const QString &item)
{
    m_calls.append({m_service, m_topic, item});
    if (!m_connected)
        return std::nullopt;
    if (m_topic == BrowserLinkTexts::activateTopic)
        return QStringLiteral("1");
    if (m_topic != BrowserLinkTexts::openUrlTopic)
        return std::nullopt;
    const std::optional<QString> path = BrowserLinkTexts::pathOfOpenUrlItem(item);
    if (!path)
        return std::nullopt;
    const QString url = QUrl::fromLocalFile(*path).toString(QUrl::FullyEncoded);
    if (!QProcess::startDetached(m_program, {url}, folderPart(m_program))) {
        m_connected = false;
        return std::nullopt;
    }
    return QStringLiteral("1");
}

void ProcessBrowserLink::disconnect()
{
    m_connected = false;
}

BrowserSendResult sendToBrowser(BrowserLink &link, const QString &service, const QString &startCommand,
                                const QString &path)
{
    BrowserSendResult result;
    bool connected = false;
    for (int attempt = 0; attempt < 2 && !result.opened; ++attempt) {
        if (!connected)
            connected = link.connect(service, BrowserLinkTexts::openUrlTopic, startCommand);
        if (!connected)
            break;
        if (link.request(BrowserLinkTexts::openUrlItem(path)))
            result.opened = true;
        else
            connected = false;
    }
    link.disconnect();

    if (link.connect(service, BrowserLinkTexts::activateTopic, startCommand))
        result.activated = link.request(BrowserLinkTexts::activateItem).has_value();
    link.disconnect();
    return result;
}
