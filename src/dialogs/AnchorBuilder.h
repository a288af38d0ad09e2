#pragma once

#include <QString>

// Everything of Power A HREF that goes into its tag.
struct AnchorFields {
    bool namedAnchor = false; // the A NAME form: a link to the anchor, then the anchor
    QString href;
    QString description;
    bool relative = false;
    QString prefix;
};

namespace AnchorBuilder {

// The prefix goes in front as typed: no separator is added.
QString target(const AnchorFields &fields);
QString tag(const AnchorFields &fields);
// The file dialog's filter: "HTML Files|" + patterns + "|All Files|*.*".
QString fileFilter(const QString &htmlPatterns);

// Mail To wraps the selection in these two.
QString mailToOpenTag(const QString &address);
inline const QString mailToCloseTag = QStringLiteral("</A>");

} // namespace AnchorBuilder
