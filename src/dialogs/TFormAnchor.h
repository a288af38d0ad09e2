#pragma once

#include "dialogs/AnchorBuilder.h"

#include <QDialog>

#include <memory>

class Clipboard;
class Prompts;
struct PowerResult;

namespace Ui {
class TFormAnchor;
}

namespace AnchorTexts {
inline const QString caption = QStringLiteral("Power Anchor Tag");
inline const QString editRelativeExample = QStringLiteral("Ex:  --    /webdata/pages/");
inline const QString editDummyPrompt =
    QStringLiteral("Enter your data above... your anchor tag will be created here automatically");
} // namespace AnchorTexts

// Power A HREF: a link, or a named anchor with a link to it, from a target, a description
// and an optional relative path prefix.
class TFormAnchor final : public QDialog {
    Q_OBJECT
public:
    // Opening resets `result`. `useRelative` and `prefix` are the remembered choice;
    // `startFolder` is where the file chooser opens.
    TFormAnchor(Prompts &prompts, Clipboard &clipboard, PowerResult &result, const QString &selectedText,
                bool useRelative, const QString &prefix, const QString &htmlPatterns, const QString &startFolder,
                QWidget *parent = nullptr);
    ~TFormAnchor() override;

    // What becomes the remembered choice on every close.
    bool useRelativePath() const;
    QString relativePrefix() const;
    AnchorFields fields() const;
    // Fills the kind and the target from an A tag being edited.
    void setFields(const AnchorFields &fields);

public Q_SLOTS:
    void BitBtnHREFClick();
    void BitBtnInsertClick();
    void BitBtnClipboardClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void rebuild();
    void finish(bool insert);

    Prompts &m_prompts;
    Clipboard &m_clipboard;
    PowerResult &m_result;
    QString m_filter;
    QString m_startFolder;
    std::unique_ptr<Ui::TFormAnchor> m_ui;
};
