#pragma once

#include <QWidget>

#include <functional>

class EditorAccess;
class QListWidget;

// "Tag Panel": a floating window of tags and attributes; a double-click inserts the entry
// into the editing window. Each use opens another one.
class TFormSpeedBar final : public QWidget {
    Q_OBJECT
public:
    // `markModified` is called after each insertion.
    TFormSpeedBar(EditorAccess &editor, std::function<void()> markModified, QWidget *parent = nullptr);

    QListWidget *tagList() const { return m_tags; }
    QListWidget *attributeList() const { return m_attributes; }

public Q_SLOTS:
    void ListBox1DblClick();
    void ListBox2DblClick();

private:
    EditorAccess &m_editor;
    std::function<void()> m_markModified;
    QListWidget *m_tags;
    QListWidget *m_attributes;
};
