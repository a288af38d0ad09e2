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
    for (const QPointer<QTimer> &wait : m_modalWaits) {
        if (wait && wait->isActive()) {
            ADD_FAILURE() << "a modal dialog the test waited for never appeared";
            delete wait.data();
        }
    }
    m_modalWaits.clear();
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

QPointer<QTimer> MainWindowFixture::whenModal(std::function<void(QDialog *)> act)
{
    // Poll until the dialog is up. One that never appears fails this test at its end, not a
    // later test of the same process when some deadline passes.
    auto *timer = new QTimer;
    m_modalWaits.emplace_back(timer);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(10);
    return timer;
}
