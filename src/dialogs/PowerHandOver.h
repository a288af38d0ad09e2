#pragma once

#include <QString>

class Clipboard;

// The program-wide pair a tag builder dialog leaves for the main window: whether to insert
// its text (which waits on the clipboard) and how many characters it has.
struct PowerResult {
    bool insert = false;
    int length = 0;

    // Each dialog starts from nothing, so a closed dialog never inserts an older text.
    void reset()
    {
        insert = false;
        length = 0;
    }
};

// Insert and Copy of every Power dialog: empty the clipboard, put the text there as plain
// text, remember its length, and set the insert flag only for Insert.
void handOver(PowerResult &result, Clipboard &clipboard, const QString &text, bool insert);
