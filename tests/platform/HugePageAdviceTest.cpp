#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The flags of the mapping that holds `address`, as /proc/self/smaps lists them ("hg": huge
// pages advised).
QByteArray mappingFlags(const void *address)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return {};
    const auto wanted = reinterpret_cast<std::uintptr_t>(address);
    bool inside = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QByteArray first = line.left(line.indexOf(' '));
        if (first.endsWith(':')) {
            if (inside && first == "VmFlags:")
                return line.mid(first.size()).simplified();
            continue;
        }
        // A mapping's heading: "begin-end perms offset device inode path".
        const qsizetype dash = first.indexOf('-');
        inside = dash > 0 && first.left(dash).toULongLong(nullptr, 16) <= wanted &&
                 wanted < first.mid(dash + 1).toULongLong(nullptr, 16);
    }
    return {};
}

bool hugePagesAdvised(const void *address)
{
    return mappingFlags(address).split(' ').contains("hg");
}

bool underSanitizer()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return true;
#elif defined(__has_feature)
    return __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer);
#else
    return false;
#endif
}

constexpr std::size_t MiB = std::size_t{1} << 20;

} // namespace

// Laying out a long line allocates hundreds of megabytes through malloc and realloc; those
// blocks must reach the kernel as huge-page candidates, small ones must not split the heap.
TEST(HugePageAdvice, LargeBlocksAskForHugePagesSmallOnesDoNot)
{
    if (underSanitizer())
        GTEST_SKIP() << "a sanitizer's allocator takes the place of ours";
    if (!QFileInfo::exists(QStringLiteral("/sys/kernel/mm/transparent_hugepage")))
        GTEST_SKIP() << "this kernel has no transparent huge pages";

    struct Case {
        const char *name;
        std::size_t first;
        std::size_t grown; // 0: no realloc
        bool advised;
    };
    const Case cases[] = {
        {"malloc of 64 MB", 64 * MiB, 0, true},
        {"realloc from 1 MB to 96 MB", MiB, 96 * MiB, true},
        {"malloc of 1 MB", MiB, 0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        void *block = std::malloc(c.first);
        ASSERT_NE(block, nullptr);
        if (c.grown != 0) {
            void *grown = std::realloc(block, c.grown);
            ASSERT_NE(grown, nullptr);
            block = grown;
        }
        std::memset(block, 1, 64);
        ASSERT_FALSE(mappingFlags(block).isEmpty());
        EXPECT_EQ(hugePagesAdvised(block), c.advised) << mappingFlags(block).constData();
        std::free(block);
    }
}
