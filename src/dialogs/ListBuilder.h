#pragma once

#include <QString>
#include <QStringList>

// The Power LIST text: "<UL>" or "<OL>", one "<LI>" line per row, the closing tag, every
// line ended by CR LF. Rows beyond the given items get an empty item; no closing LI tags.
struct ListRequest {
    bool ordered = false;
    int rows = 1;
    QStringList items; // the typed item texts, row 1 first
    bool noIndent = false;
};
QString buildListText(const ListRequest &request);

// Only the first ten rows have an entry field.
inline constexpr int kListItemFields = 10;
