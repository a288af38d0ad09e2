#include "dialogs/PowerHandOver.h"

#include "platform/Clipboard.h"

void handOver(PowerResult &result, Clipboard &clipboard, const QString &text, bool insert)
{
    clipboard.clear();
    result.length = int(text.size());
    clipboard.setText(text);
    if (insert)
        result.insert = true;
}
