#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

class QWebEngineView;

// Runs `script` in the view's page and waits for its value (a failure when none comes).
QVariant evaluateScript(QWebEngineView *view, const QString &script);
// A small one-colour picture as PNG bytes, for pages that load a picture of their own.
QByteArray redPng(int width, int height);
