#pragma once

class Clipboard;
class QString;

// What a tag builder dialog hands the main window: the text is on the clipboard, the flag
// says whether to insert it, and the length says how much of the pasted text to select.
struct DialogResult {
    bool insert = false;
    int length = 0;

    // Empties the clipboard, puts `text` on it and asks for it to be inserted.
    void handOver(Clipboard &clipboard, const QString &text);
};
