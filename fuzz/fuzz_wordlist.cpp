// Feeds arbitrary bytes to the word-list reader of the dictionary compiler: whatever it
// reads must compile into a dictionary that reads back and knows every word it was given.
#include "spell/TrieDictionary.h"
#include "spell/TrieWriter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // The first line names the separators, as the compiler's option would.
    const qsizetype firstBreak = bytes.indexOf('\n');
    const QString separators = QString::fromLatin1(bytes.left(std::max<qsizetype>(0, firstBreak)).left(4));
    int leftOut = 0;
    const std::vector<std::string> words = wordsOfList(bytes.mid(firstBreak + 1), separators, &leftOut);
    for (const std::string &w : words) {
        for (char c : w) {
            if (separators.contains(QChar::fromLatin1(c)) || QChar::fromLatin1(c).isSpace())
                std::abort(); // a stored word would hold a character that ends words
        }
    }
    const QByteArray dictionary = writeTrieDictionary(words, QStringLiteral("Fuzz"));
    if (dictionary.isEmpty())
        return 0; // too large for the format: refused, not written wrong
    const auto read = TrieDictionary::fromBytes(dictionary);
    if (!read)
        std::abort();
    for (const std::string &w : words) {
        if (!w.empty() && w.find('\0') == std::string::npos && !read->contains(w))
            std::abort();
    }
    return 0;
}
