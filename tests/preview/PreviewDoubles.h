#pragma once

#include "preview/BrowserLink.h"
#include "preview/PreviewController.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <deque>

// The main window as the preview commands see it.
class FakePreviewHost final : public PreviewHost {
public:
    PreviewDocument document;
    bool helpPage = false;
    QString letter = PreviewModes::letterTemp;
    QList<int> settingsPages;
    std::function<void(int)> onSettings;
    int busyChanges = 0;

    int saves = 0;
    bool saveWorks = true;

    PreviewDocument previewDocument() const override { return document; }
    std::optional<QString> saveDocument() override
    {
        ++saves;
        if (!saveWorks)
            return std::nullopt;
        document.modified = false;
        return document.openFileName;
    }
    bool isHelpPage() const override { return helpPage; }
    void openSettingsDialog(int page) override
    {
        settingsPages << page;
        if (onSettings)
            onSettings(page);
    }
    QString browserModeLetter() const override { return letter; }
    void setBrowserModeLetter(const QString &l) override { letter = l; }
    void setBusyCursor(bool) override { ++busyChanges; }
};

// A browser link whose answers are scripted; every call is recorded as text.
class FakeBrowserLink final : public BrowserLink {
public:
    std::deque<bool> connectAnswers; // empty: connects
    std::deque<bool> requestAnswers; // empty: answers
    QStringList log;

    bool connect(const QString &service, const QString &topic, const QString &startCommand) override
    {
        log << QStringLiteral("connect %1 %2 [%3]").arg(service, topic, startCommand);
        return take(connectAnswers);
    }
    std::optional<QString> request(const QString &item) override
    {
        log << QStringLiteral("request ") + item;
        return take(requestAnswers) ? std::optional<QString>(QStringLiteral("ok")) : std::nullopt;
    }
    void disconnect() override { log << QStringLiteral("disconnect"); }

private:
    static bool take(std::deque<bool> &answers)
    {
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The pane without a browser: records what the commands asked of it.
class FakePane final : public BrowserPaneView {
public:
    bool available = true;
    bool showing = false;
    bool navigateWorks = true;
    bool canGoBack = false;
    bool canGoForward = false;
    bool controlPanelVisible = false;
    PreviewPanel active = PreviewPanel::Edit;
    QList<QUrl> navigated;
    QList<QPair<QString, QByteArray>> live;
    QString address = QStringLiteral("Enter an HTTP web address here");

    bool isAvailable() const override { return available; }
    bool isShowing() const override { return showing; }
    void showOverEditor() override { showing = true; }
    void hideFromEditor() override { showing = false; }
    bool showLive(const QString &path, const QByteArray &html) override
    {
        live << qMakePair(path, html);
        showing = true;
        return true;
    }
    bool navigate(const QUrl &url) override
    {
        if (!navigateWorks)
            return false;
        navigated << url;
        showing = true;
        return true;
    }
    bool goBack() override { return canGoBack; }
    bool goForward() override { return canGoForward; }
    bool stop() override { return false; }
    void setActivePanel(PreviewPanel panel) override { active = panel; }
    void setControlPanelVisible(bool visible) override { controlPanelVisible = visible; }
    QString addressText() const override { return address; }
};

class FakeLauncher final : public ProgramLauncher {
public:
    Result next{false, kStarted};
    QStringList launched;
    Result launch(const QString &program) override
    {
        launched << program;
        return next;
    }
};
