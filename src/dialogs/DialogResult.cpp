#include "dialogs/DialogResult.h"

#include "platform/Clipboard.h"

#include <QString>

void DialogResult::handOver(Clipboard &clipboard, const QString &text)
{
    insert = true;
    clipboard.clear();
    length = int(text.size());
    clipboard.setText(text);
}
