#pragma once

#include <QDialog>

class Prompts;
class QLineEdit;

// "Adding/Changing Web Pages": the title and HTML file of one page. Created once at
// start-up and reused for every add and change.
class TFormNewName final : public QDialog {
    Q_OBJECT
public:
    enum class Focus { Name, Path };

    TFormNewName(Prompts &prompts, QWidget *parent = nullptr);

    // Fill the dialog before showing it; `htmlMasks` builds the file chooser's filter.
    void prepareAdd(const QString &startLocation, const QString &htmlMasks);
    void prepareChange(const QString &title, const QString &path, Focus focus, const QString &startLocation,
                       const QString &htmlMasks);

    bool cancelled() const { return m_cancelled; }
    QString resultTitle() const { return m_title; }
    QString resultPath() const { return m_path; }

public Q_SLOTS:
    void ButtonSelectHTMLClick();
    void OKClick();
    void CancelClick();

private:
    void reset(const QString &startLocation, const QString &htmlMasks);

    Prompts &m_prompts;
    QLineEdit *m_edit1;
    QLineEdit *m_edit2;
    QString m_startLocation;
    QString m_filter;
    bool m_cancelled = false;
    QString m_title;
    QString m_path;
};

namespace NewNameTexts {
inline const QString noFile = QStringLiteral("HTML file does not exist. Please enter a valid HTML file path.");
inline const QString noTitle = QStringLiteral("You must enter a Title for this Web Page.");
} // namespace NewNameTexts
