// tovarel_dictc: compiles a plain word list (one word a line, UTF-8 or Latin-1) into the
// spell engine's main dictionary format.
//
//   tovarel_dictc [--description TEXT] [--extra-characters CHARS] [--separators CHARS] WORDLIST OUTPUT.dct
//
// --separators names characters that the list's entries hold but that should end a word in
// text (a French list's full stops and hyphens): entries are cut there and the pieces stored.
#include "spell/TrieDictionary.h"
#include "spell/TrieWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {
int usage()
{
    std::fprintf(stderr, "usage: tovarel_dictc [--description TEXT] [--extra-characters CHARS] [--separators CHARS] "
                         "WORDLIST OUTPUT.dct\n");
    return 2;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString description = QStringLiteral("English");
    QString extra;
    QString separators;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--description") && i + 1 < args.size())
            description = args[++i];
        else if (args[i] == QLatin1String("--extra-characters") && i + 1 < args.size())
            extra = args[++i];
        else if (args[i] == QLatin1String("--separators") && i + 1 < args.size())
            separators = args[++i];
        else if (args[i].startsWith(QLatin1String("--")))
            return usage();
        else
            files << args[i];
    }
    if (files.size() != 2)
        return usage();

    QFile in(files[0]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tovarel_dictc: cannot read %s: %s\n", qPrintable(files[0]), qPrintable(in.errorString()));
        return 1;
    }
    int skipped = 0;
    std::vector<std::string> words = wordsOfList(in.readAll(), separators, &skipped);

    for (QChar c : extra) {
        if (c.unicode() > 0xFF || c.unicode() == 0) {
            std::fprintf(stderr, "tovarel_dictc: extra characters must be Latin-1\n");
            return 1;
        }
    }
    const QByteArray extraLatin1 = extra.toLatin1();
    TrieWriteStats stats;
    QString error;
    const QByteArray dictionary =
        writeTrieDictionary(std::move(words), description,
                            std::string(extraLatin1.constData(), size_t(extraLatin1.size())), &stats, &error);
    if (dictionary.isEmpty()) {
        std::fprintf(stderr, "tovarel_dictc: %s\n", qPrintable(error));
        return 1;
    }
    // Read it back before writing it: a file the engine would refuse is never shipped.
    if (!TrieDictionary::fromBytes(dictionary, &error)) {
        std::fprintf(stderr, "tovarel_dictc: the written dictionary does not read back: %s\n", qPrintable(error));
        return 1;
    }
    QSaveFile out(files[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(dictionary) != dictionary.size() || !out.commit()) {
        std::fprintf(stderr, "tovarel_dictc: cannot write %s: %s\n", qPrintable(files[1]),
                     qPrintable(out.errorString()));
        return 1;
    }
    std::printf("tovarel_dictc: %d words (%d left out, not Latin-1), %d sub-dictionaries, %d nodes, %lld bytes -> %s\n",
                stats.words, skipped, stats.subDictionaries, stats.nodes, static_cast<long long>(dictionary.size()),
                qPrintable(files[1]));
    return 0;
}
