#include "dialogs/AnchorBuilder.h"

namespace AnchorBuilder {

QString target(const AnchorFields &fields)
{
    return fields.relative ? fields.prefix + fields.href : fields.href;
}

QString tag(const AnchorFields &fields)
{
    const QString to = target(fields);
    if (fields.namedAnchor)
        return QStringLiteral("<A HREF=#") + to + QLatin1Char('>') + fields.description +
               QStringLiteral("</A>  <A NAME=") + to + QLatin1Char('>');
    return QStringLiteral("<A HREF=\"") + to + QStringLiteral("\">") + fields.description + QStringLiteral("</A>");
}

QString fileFilter(const QString &htmlPatterns)
{
    return QStringLiteral("HTML Files|") + htmlPatterns + QStringLiteral("|All Files|*.*");
}

QString mailToOpenTag(const QString &address)
{
    return QStringLiteral("<A HREF=\"mailto:") + address + QStringLiteral("\">");
}

} // namespace AnchorBuilder
