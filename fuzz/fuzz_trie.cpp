// Feeds arbitrary bytes to the main dictionary reader: a file is either refused or read
// whole, and then every lookup and suggestion walk stays inside it (ASan watches).
#include "spell/Suggestions.h"
#include "spell/TrieDictionary.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy the reader owns, as a file read gives it; ASan still sees its exact end.
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto dictionary = TrieDictionary::fromBytes(bytes);
    if (!dictionary)
        return 0;

    // Words made of the file's own alphabet and of its tail, so lookups go deep.
    std::string word;
    const QByteArray &alphabet = dictionary->alphabet();
    for (size_t i = 0; i < 12 && i < size; ++i)
        word.push_back(alphabet.isEmpty() ? char(data[size - 1 - i])
                                          : alphabet[int(data[size - 1 - i]) % alphabet.size()]);
    for (size_t length = 0; length <= word.size(); ++length)
        dictionary->contains(std::string_view(word).substr(0, length));

    SuggestionList list;
    suggestFromDictionary(*dictionary, std::string_view(word).substr(0, 6), list, 50);
    std::array<bool, 256> allowed{};
    allowed.fill(true);
    int found = 0;
    dictionary->forEachTwoReplacements(std::string_view(word).substr(0, 5), allowed,
                                       [&](std::string_view) { return ++found < 1000; });
    return 0;
}
