// The start-up benchmark's baseline: the least a Qt Widgets editor does to show its window.
#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QPlainTextEdit);
    window.showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit); // shown and idle
    return app.exec();
}
