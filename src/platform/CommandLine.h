#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// The command line: `tovarel [FILE...]` with --help and --version.
namespace CommandLine {
// Sets up the options and the FILE arguments.
void configure(QCommandLineParser &parser);

// Whether the arguments ask only for --help or --version, which are answered without a
// display. Options meant for Qt (-platform ...) may be among them and are not errors here.
enum class Request { Start, Help, HelpAll, Version };
Request request(QCommandLineParser &parser, const QStringList &arguments);

// The FILE arguments as absolute paths, relative ones taken from `currentFolder`.
QStringList files(const QStringList &positional, const QString &currentFolder);

// A project outline file (".out") opens as the project; any other file in the editing window.
bool isProjectFile(const QString &path);
} // namespace CommandLine
