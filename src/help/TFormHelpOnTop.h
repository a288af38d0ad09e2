#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QTextEdit;
class QPushButton;

// "Help On Top": pages through the help pages in a small window above the others.
class TFormHelpOnTop final : public QWidget {
    Q_OBJECT
public:
    TFormHelpOnTop(const QString &programFolder, const QStringList &pages, int firstPage, QWidget *parent = nullptr);

    int currentPage() const { return m_page; }
    // The page as shown: its text without the tags.
    QString text() const;
    bool hintVisible() const;

public Q_SLOTS:
    void NextClick();
    void PrevClick();

Q_SIGNALS:
    void closed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPage(int page);

    QString m_programFolder;
    QStringList m_pages;
    int m_page = 0;
    static constexpr QSize kCreatedSize{375, 372};
    QTextEdit *m_text;
    QPushButton *m_next;
    QPushButton *m_prev;
    QLabel *m_hint;
};
