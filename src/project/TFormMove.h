#pragma once

#include "project/MoveList.h"

#include <QDialog>

class Prompts;
class QListWidget;

inline constexpr const char *kMoveOutlineFile = "temp.ttt";
inline constexpr const char *kMovePathFile = "temp2.ttt";

// "Move Pages within Site": rearranges the pages read from the two temporary files and,
// on OK, writes them back there for the main window to read.
class TFormMove final : public QDialog {
    Q_OBJECT
public:
    TFormMove(const QString &programFolder, Prompts &prompts, QWidget *parent = nullptr);

    const MoveList &list() const { return m_list; }
    void selectLine(int line);

public Q_SLOTS:
    void MoveUpClick();
    void MoveDownClick();
    void MoveInClick();
    void MoveOutClick();
    void OKClick();

private:
    void apply(MoveList::Outcome (MoveList::*operation)(int));
    void refresh(int selected);

    QString m_programFolder;
    Prompts &m_prompts;
    MoveList m_list;
    QListWidget *m_listBox;
};
