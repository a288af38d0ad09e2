#include "platform/FileDialogFilter.h"

QStringList qtFileFilters(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i).trimmed(), patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

QString qtFileFilterAt(const QString &pipeFilter, int index)
{
    const QStringList filters = qtFileFilters(pipeFilter);
    if (filters.isEmpty())
        return {};
    return (index >= 1 && index <= filters.size()) ? filters.at(index - 1) : filters.first();
}
