#pragma once

#include <QFont>
#include <QStringList>

class QPlainTextEdit;
class QPrinter;

// Plain lines (TABs expanded) page after page.
bool printLines(QPrinter &printer, const QStringList &lines, const QFont &font);
// The editing window's text as laid out, with the tag colours it shows.
void printEditor(QPrinter &printer, const QPlainTextEdit &editor, const QString &jobTitle);
