#pragma once

#include <QLocale>
#include <QString>

#include <functional>

class Clipboard;
class EditorAccess;
class QDateTime;

// Where the caret ends after a wrap in place: the inserted text selected, or (for Mail To
// and Comment run from the Tags menu or the Mail To button) just before the last four
// characters, that is before "</A>" or " -->".
enum class CaretRule { SelectInserted, BeforeClosingTag };

// The insertion operations every tag command ends in. Each sets the document-modified flag.
class TagInserter final {
public:
    TagInserter(EditorAccess &editor, Clipboard &clipboard, std::function<void()> markModified);

    // The common entry: one of the single items is inserted as a single item, anything else
    // (already built as opening tag + selection + closing tag) wraps in place.
    void insertTagText(const QString &text, CaretRule rule = CaretRule::SelectInserted);
    void wrapInPlace(const QString &text, CaretRule rule = CaretRule::SelectInserted);
    void wrapSelection(const QString &openTag, const QString &closeTag, CaretRule rule = CaretRule::SelectInserted);
    void insertSingleItem(const QString &item);
    // Kinds "UL", "OL", "DL", "NOFRAMES", "FRAMESET" and "NEW" (the new-document skeleton).
    void lineWrap(const QString &kind);
    void quickTable(int rows, int columns);
    void customPairWrap(const QString &pair);
    void pasteAndSelect(int length, bool collapseFirst);
    void comment(CaretRule rule);
    void insertLastModified(const QDateTime &now, const QLocale &locale = QLocale::system());

private:
    EditorAccess &m_editor;
    Clipboard &m_clipboard;
    std::function<void()> m_markModified;
};

// The texts behind the operations, apart from any editor.
namespace TagTexts {
bool isSingleItem(const QString &text);
QString lineWrapBlock(const QString &kind, const QString &selection);
QString quickTableBlock(int rows, int columns);
struct CustomPair {
    QString openTag;
    QString closeTag;
};
CustomPair splitCustomPair(const QString &pair);
QString lastModifiedStamp(const QDateTime &now, const QLocale &locale);
} // namespace TagTexts
