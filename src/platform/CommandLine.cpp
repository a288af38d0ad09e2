#include "platform/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>

void CommandLine::configure(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("HTML editor and web-site manager."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("HTML files to open in the editing window, or a project (.out)."),
                                 QStringLiteral("[FILE...]"));
}

CommandLine::Request CommandLine::request(QCommandLineParser &parser, const QStringList &arguments)
{
    parser.parse(arguments); // unknown options are reported once the application is up
    if (parser.isSet(QStringLiteral("help")))
        return Request::Help;
    if (parser.isSet(QStringLiteral("help-all")))
        return Request::HelpAll;
    if (parser.isSet(QStringLiteral("version")))
        return Request::Version;
    return Request::Start;
}

QStringList CommandLine::files(const QStringList &positional, const QString &currentFolder)
{
    QStringList paths;
    const QDir current(currentFolder);
    for (const QString &argument : positional)
        paths.append(QDir::cleanPath(current.absoluteFilePath(argument)));
    return paths;
}

bool CommandLine::isProjectFile(const QString &path)
{
    return path.endsWith(QLatin1String(".out"), Qt::CaseInsensitive);
}
