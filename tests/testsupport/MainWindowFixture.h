#pragma once

#include "app/TForm1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QDialog;

class QAction;
class QAbstractButton;

class ImmediateEventPump final : public EventPump {
public:
    void processEvents() override { QCoreApplication::processEvents(); }
};

// A real main window in a temporary program folder, with scripted prompts and no splash.
// Files the window should find at start-up are written into `folder` before `start()`.
class MainWindowFixture : public ::testing::Test {
protected:
    void TearDown() override;

    TForm1 &start();
    TForm1 &window() { return *m_window; }

    QAction *action(const QString &objectName) const;
    QAbstractButton *button(const QString &objectName) const;
    template <typename T> T *control(const QString &objectName) const
    {
        T *found = m_window->findChild<T *>(objectName);
        EXPECT_NE(found, nullptr) << "no control named " << objectName.toStdString();
        return found;
    }
    void trigger(const QString &actionName) const;
    void click(const QString &buttonName) const;

    // Runs `act` on the next modal dialog once it is showing (a handler's exec() blocks). A wait
    // still pending when the test ends fails it; delete the returned timer to call it off.
    QPointer<QTimer> whenModal(std::function<void(QDialog *)> act);

    // Writes the editing window's text as if typed (marks the document modified).
    void typeText(const QString &text);

    TempProgramFolder folder;
    std::optional<AppFolders> installedFolders; // when set, used instead of `folder`
    ScriptedPrompts prompts;
    SystemClipboard clipboard;
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(14, 30, 5))};
    ImmediateEventPump pump;
    // Windows run through the environment's modal runner (tip of the day, About, FAQ):
    // their titles in order, and how each is answered (accepted when empty).
    QStringList modalWindows;
    std::function<int(QDialog &)> modalAnswer;
    int nextTip = 0;
    // Programs on the PATH as the window finds them; none unless a test says so.
    std::function<QString(const QString &)> findProgram = [](const QString &) { return QString(); };

private:
    std::unique_ptr<TForm1> m_window;
    std::vector<QPointer<QTimer>> m_modalWaits;
};
