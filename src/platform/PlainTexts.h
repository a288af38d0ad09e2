#pragma once

class QWidget;

// Every label and hint of a window shows its text as typed: captions such as "Images: <IMG>"
// or a hint "<TABLE>" are never read as markup. Called once a window's controls are made.
void showTextsAsPlainText(QWidget *window);
