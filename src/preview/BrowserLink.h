#pragma once

#include <QList>
#include <QString>

#include <optional>

// One browser-link conversation in manual connect mode: a service and a topic, with a
// program to start when the service does not answer.
class BrowserLink {
public:
    virtual ~BrowserLink() = default;

    // Opens the conversation; false when the service cannot be reached.
    virtual bool connect(const QString &service, const QString &topic, const QString &startCommand) = 0;
    // Sends a request on the open conversation: its answer, or nothing.
    virtual std::optional<QString> request(const QString &item) = 0;
    virtual void disconnect() = 0;
};

namespace BrowserLinkTexts {
inline const QString netscapeService = QStringLiteral("NETSCAPE");
inline const QString msieService = QStringLiteral("IEXPLORE");
inline const QString openUrlTopic = QStringLiteral("WWW_OpenURL");
inline const QString activateTopic = QStringLiteral("WWW_Activate");
inline const QString activateItem = QStringLiteral("0xffffffff,0x0");
inline const QString netscapeStartFlag = QStringLiteral(" -h ");

// "\"" path "\",,0xFFFFFFFF,,,,,"
QString openUrlItem(const QString &path);
// The path of an open request, or nothing when the item is not one.
std::optional<QString> pathOfOpenUrlItem(const QString &item);
// The program of a start command (the Netscape flag dropped).
QString programOfStartCommand(const QString &startCommand);
} // namespace BrowserLinkTexts

// The stand-in for the browsers' link: an open request starts the browser program,
// detached, with the file's URL as its only argument; activation answers when the
// program could be reached. Every conversation is recorded.
class ProcessBrowserLink final : public BrowserLink {
public:
    struct Call {
        QString service;
        QString topic;
        QString item; // empty for a connect
        bool operator==(const Call &) const = default;
    };

    bool connect(const QString &service, const QString &topic, const QString &startCommand) override;
    std::optional<QString> request(const QString &item) override;
    void disconnect() override;

    const QList<Call> &calls() const { return m_calls; }

private:
    QString m_service;
    QString m_topic;
    QString m_program;
    bool m_connected = false;
    QList<Call> m_calls;
};

// The result of one preview hand-over to a browser.
struct BrowserSendResult {
    bool opened = false;    // the open request got an answer
    bool activated = false; // the front request got an answer
};

// The open request (tried at most twice, connecting before each try when not connected)
// and then the front request, each on its own conversation.
BrowserSendResult sendToBrowser(BrowserLink &link, const QString &service, const QString &startCommand,
                                const QString &path);
