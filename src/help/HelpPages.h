#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The help pages: "help/welcome.fil" lists them in outline order.
namespace HelpPages {
inline const QString helpProjectName = QStringLiteral("welcome.out");
inline const QString missingHelp = QStringLiteral(
    "Unable to open the Help files. Have you deleted them?\rReinstall Tovarel Pro to recreate the Help files.");

std::optional<QStringList> readPageList(const QString &programFolder);
// The page shown first: 0, or with the help project open, the last page named like the
// file open in the editing window.
int firstPage(const QStringList &pages, const QString &projectName, const QString &openFileName);
} // namespace HelpPages
