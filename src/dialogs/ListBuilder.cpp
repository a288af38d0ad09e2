#include "dialogs/ListBuilder.h"

QString buildListText(const ListRequest &request)
{
    const QString crLf = QStringLiteral("\r\n");
    const QString kind = request.ordered ? QStringLiteral("OL") : QStringLiteral("UL");
    const QString indent = request.noIndent ? QString() : QStringLiteral("    ");
    QString text = QLatin1Char('<') + kind + QLatin1Char('>') + crLf;
    for (int row = 0; row < request.rows; ++row)
        text += indent + QStringLiteral("<LI>") + request.items.value(row) + crLf;
    return text + QStringLiteral("</") + kind + QLatin1Char('>') + crLf;
}
