#pragma once

#include <QPlainTextEdit>

// The editing window RE1: plain text, fast on large files. Reports every key and mouse
// press, which mark the document modified (and stop a running colouring pass).
class HtmlEditor final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit HtmlEditor(QWidget *parent = nullptr);

    void setWordWrap(bool on);
    bool wordWrap() const;

Q_SIGNALS:
    void keyPressed();
    void mousePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
