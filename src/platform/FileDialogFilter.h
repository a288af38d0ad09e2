#pragma once

#include <QString>
#include <QStringList>

// Turns the program's filter form "HTML Files|*.html;*.htm|All Files|*.*" into Qt's
// list form {"HTML Files (*.html *.htm)", "All Files (*)"}. A trailing name without
// patterns is dropped.
QStringList qtFileFilters(const QString &pipeFilter);

// The Qt filter of 1-based entry `index`, or the first one when out of range.
QString qtFileFilterAt(const QString &pipeFilter, int index);
