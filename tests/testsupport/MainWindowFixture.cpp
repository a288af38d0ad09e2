#include "testsupport/MainWindowFixture.h"

#include "editor/HtmlEditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

void MainWindowFixture::TearDown()
{
    if (m_window) {
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        m_window.reset();
    }
}

TForm1 &MainWindowFixture::start()
{
    AppEnvironment env;
    env.folders = installedFolders.value_or(AppFolders::inPlace(folder.path()));
    env.prompts = &prompts;
    env.clipboard = &clipboard;
    env.clock = &clock;
    env.eventPump = &pump;
    env.splashMilliseconds = 0;
    env.webViewModule = QStringLiteral(TOVAREL_WEBVIEW_MODULE);
    env.runModal = [this](QDialog &dialog) {
        modalWindows << dialog.windowTitle();
        return modalAnswer ? modalAnswer(dialog) : int(QDialog::Accepted);
    };
    env.pickTip = [this](int count) { return nextTip++ % count; };
    env.findProgram = findProgram;
    m_window = std::make_unique<TForm1>(env);
    m_window->resize(1000, 700);
    return *m_window;
}

QAction *MainWindowFixture::action(const QString &objectName) const
{
    return control<QAction>(objectName);
}

QAbstractButton *MainWindowFixture::button(const QString &objectName) const
{
    return control<QAbstractButton>(objectName);
}

void MainWindowFixture::trigger(const QString &actionName) const
{
    if (QAction *a = action(actionName))
        a->trigger();
}

void MainWindowFixture::click(const QString &buttonName) const
{
    if (QAbstractButton *b = button(buttonName))
        b->click();
}

void MainWindowFixture::typeText(const QString &text)
{
    HtmlEditor &editor = m_window->editor();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&editor, &press);
}

void MainWindowFixture::whenModal(std::function<void(QDialog *)> act)
{
    // Poll until the dialog is up; give up (and let the test fail) after a few seconds.
    auto *timer = new QTimer;
    auto deadline = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, deadline] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*deadline > 500) {
                ADD_FAILURE() << "no modal dialog appeared";
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(10);
}
