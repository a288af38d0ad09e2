#include "dialogs/HorizontalRule.h"

#include <algorithm>

QString buildHorizontalRule(const HorizontalRuleRequest &request)
{
    const QString width = request.percentWidth ? QStringLiteral(" WIDTH=\"%1%\"").arg(request.percent)
                                               : QStringLiteral(" WIDTH=\"%1\"").arg(request.pixels);
    return QStringLiteral("<HR ALIGN=\"%1\"  SIZE=\"%2\" ").arg(request.align).arg(request.thickness) + width +
           (request.noShade ? QStringLiteral(" NOSHADE") : QString()) + QLatin1Char('>');
}

QRect sampleLineRect(const HorizontalRuleRequest &request)
{
    const int width = request.percentWidth ? request.percent * kSampleStripWidth / 100
                                           : std::min(request.pixels / 2, kSampleStripWidth);
    int left = (kSampleStripWidth - width) / 2;
    if (request.align == QLatin1String("LEFT"))
        left = 0;
    else if (request.align == QLatin1String("RIGHT"))
        left = kSampleStripWidth - width;
    return QRect(left, 0, width, request.thickness);
}
