#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <string>
#include <vector>

// Builds main dictionary files (see TrieDictionary for the layout). Words are Latin-1
// byte strings. Common endings are shared (a minimal word graph), and the words are split
// into as many sub-dictionaries as the 16-bit child indices and 20-bit references need.
struct TrieWriteStats {
    int words = 0;
    int subDictionaries = 0;
    int nodes = 0; // over all sub-dictionaries
};

// Per sub-dictionary limits; tests lower them to force splitting on small word lists.
struct TrieWriteLimits {
    int maxNodes = 65536;             // child lists hold 16-bit node indices
    int maxReference = (1 << 20) - 1; // 20-bit references into the child-list area
};

// The alphabet written is every byte the words use, in byte order, followed by the bytes
// of `extraAlphabet` that are not among them. Empty words, words holding a NUL byte and
// duplicates are dropped. Returns an empty array (and `error`) when the words cannot be
// stored, e.g. more than 255 sub-dictionaries.
QByteArray writeTrieDictionary(std::vector<std::string> words, const QString &description,
                               const std::string &extraAlphabet = {}, TrieWriteStats *stats = nullptr,
                               QString *error = nullptr, const TrieWriteLimits &limits = {});

// The words of a plain word list, one a line, in UTF-8 (or Latin-1 when the bytes are not
// UTF-8), as Latin-1 byte strings for writeTrieDictionary. Each line is cut at the
// `separators` (characters that end a word in text, so a stored word holding one could never
// be looked up) and its pieces are kept: "etc." gives "etc". A piece with a character that
// Latin-1 cannot hold is left out and counted in `leftOut`.
std::vector<std::string> wordsOfList(const QByteArray &list, QStringView separators = {}, int *leftOut = nullptr);
