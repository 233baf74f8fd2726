// Storages and elements: nesting, replace on create, destroy, rename, enumeration order,
// copying between files and into a new compact file.

#include "CfbTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace cfb;
using namespace cfbtest;

namespace {

std::vector<std::string> names(const Storage& s)
{
    std::vector<ElementInfo> els;
    EXPECT_EQ(s.elements(els), Result::Ok);
    std::vector<std::string> out;
    for (const auto& e : els) out.push_back(e.name);
    return out;
}

}  // namespace

TEST(CfbStorage, NestedStoragesLikeTheOptionsFile)
{
    TempDir dir;
    const std::string path = dir.file("Options.Dat");
    const char* streams[] = {"Trans", "Accounts", "Categories", "Groups", "Books", "Grid"};
    {
        Storage root;
        ASSERT_EQ(Storage::createFile(path, root), Result::Ok);
        for (const char* set : {"Default", "User"}) {
            Storage st;
            ASSERT_EQ(root.createStorage(set, st), Result::Ok);
            for (int i = 0; i < 6; ++i) ASSERT_EQ(putStream(st, streams[i], pattern(68 * (i + 1), i)), Result::Ok);
        }
        EXPECT_EQ(problems(root), "");
    }
    Storage root;
    ASSERT_EQ(Storage::openFile(path, OpenMode::ReadOnly, root), Result::Ok);
    EXPECT_EQ(names(root), (std::vector<std::string>{"User", "Default"}));  // shorter names sort first
    Storage user;
    ASSERT_EQ(root.openStorage("user", user), Result::Ok);
    EXPECT_EQ(getStream(user, "GRID"), pattern(68 * 6, 5));
    Stream s;
    EXPECT_EQ(root.openStream("User", s), Result::ElementNotFound);  // a storage is not a stream
    EXPECT_EQ(root.openStorage("Nothing", user), Result::ElementNotFound);
    EXPECT_EQ(user.createStream("X", s), Result::AccessDenied);  // read-only open
}

TEST(CfbStorage, ManyElementsKeepAValidTreeThroughCreateRenameDestroy)
{
    TempDir dir;
    Storage root;
    ASSERT_EQ(Storage::createFile(dir.file("t.qbk"), root), Result::Ok);
    std::vector<std::string> expected;
    for (int i = 0; i < 70; ++i) {
        const std::string n = "Stream" + std::to_string(i * 37 % 101);
        ASSERT_EQ(putStream(root, n, pattern(std::size_t(i * 50), i)), Result::Ok);
        ASSERT_EQ(problems(root), "") << "after creating " << n;
    }
    for (int i = 0; i < 70; i += 3) {
        ASSERT_EQ(root.destroyElement("stream" + std::to_string(i * 37 % 101)), Result::Ok);
        ASSERT_EQ(problems(root), "") << "after destroying " << i;
    }
    ASSERT_EQ(root.renameElement("Stream37", "A"), Result::Ok);
    EXPECT_EQ(root.renameElement("A", "Stream74"), Result::AlreadyExists);
    EXPECT_EQ(root.renameElement("A", "a"), Result::Ok);  // a change of case is allowed
    EXPECT_EQ(root.renameElement("Gone", "B"), Result::ElementNotFound);
    EXPECT_EQ(problems(root), "");
    const auto list = names(root);
    EXPECT_EQ(list.front(), "a");
    EXPECT_EQ(list.size(), 70u - 24u);
    EXPECT_EQ(getStream(root, "A"), pattern(50, 1));
    ValidationReport report;
    ASSERT_EQ(root.validate(&report), Result::Ok);
    EXPECT_EQ(report.leakedSectors, 0u);
    EXPECT_EQ(report.leakedMiniSectors, 0u);
}

TEST(CfbStorage, CreateReplacesAndStaleHandlesAreRefused)
{
    TempDir dir;
    Storage root;
    ASSERT_EQ(Storage::createFile(dir.file("r.qbk"), root), Result::Ok);
    ASSERT_EQ(putStream(root, "Comments", pattern(9000, 1)), Result::Ok);
    Stream old;
    ASSERT_EQ(root.openStream("Comments", old), Result::Ok);
    Stream fresh;
    ASSERT_EQ(root.createStream("COMMENTS", fresh), Result::Ok);  // replaces, whatever the case
    EXPECT_EQ(fresh.size(), 0u);
    EXPECT_FALSE(old.isValid());
    std::uint8_t b = 0;
    EXPECT_EQ(old.write(&b, 1), Result::ElementNotFound);
    Storage sub;
    ASSERT_EQ(root.createStorage("Comments", sub), Result::Ok);  // a storage replaces the stream
    ASSERT_EQ(putStream(sub, "Inner", pattern(10, 1)), Result::Ok);
    ASSERT_EQ(root.destroyElement("Comments"), Result::Ok);
    EXPECT_FALSE(sub.isValid());
    EXPECT_TRUE(names(root).empty());
    EXPECT_EQ(root.createStream("", fresh), Result::InvalidName);
    EXPECT_EQ(root.createStream("a/b", fresh), Result::InvalidName);
    EXPECT_EQ(root.createStream(std::string(32, 'x'), fresh), Result::InvalidName);
    EXPECT_EQ(root.createStream(std::string(31, 'x'), fresh), Result::Ok);
    ValidationReport report;
    ASSERT_EQ(root.validate(&report), Result::Ok);
    EXPECT_EQ(report.leakedSectors, 0u);
}

TEST(CfbStorage, CopyElementsBetweenFilesAndWholeStorageIntoACompactFile)
{
    TempDir dir;
    const std::string src = dir.file("src.qbk");
    Storage a;
    ASSERT_EQ(Storage::createFile(src, a), Result::Ok);
    // Leave holes behind: write, delete, rewrite.
    ASSERT_EQ(putStream(a, "Junk", pattern(300000, 9)), Result::Ok);
    ASSERT_EQ(putStream(a, "Transactions", pattern(64000, 1)), Result::Ok);
    ASSERT_EQ(putStream(a, "Comments", pattern(20, 2)), Result::Ok);
    Storage sub;
    ASSERT_EQ(a.createStorage("Sub", sub), Result::Ok);
    ASSERT_EQ(putStream(sub, "Inner", pattern(5000, 3)), Result::Ok);
    ASSERT_EQ(a.destroyElement("Junk"), Result::Ok);

    // One element into another file, under a new name, replacing what is there.
    Storage b;
    ASSERT_EQ(Storage::createFile(dir.file("b.qbk"), b), Result::Ok);
    ASSERT_EQ(putStream(b, "Books", pattern(7, 7)), Result::Ok);
    ASSERT_EQ(a.copyElementTo("Comments", b, "Books"), Result::Ok);
    ASSERT_EQ(a.copyElementTo("Sub", b), Result::Ok);
    EXPECT_EQ(getStream(b, "Books"), pattern(20, 2));
    Storage bSub;
    ASSERT_EQ(b.openStorage("Sub", bSub), Result::Ok);
    EXPECT_EQ(getStream(bSub, "Inner"), pattern(5000, 3));
    EXPECT_EQ(a.copyElementTo("Nope", b), Result::ElementNotFound);
    EXPECT_EQ(a.copyElementTo("Sub", sub), Result::InvalidArgument);  // into itself
    EXPECT_EQ(a.copyElementTo("Comments", a, "COMMENTS"), Result::InvalidArgument);  // onto itself
    EXPECT_EQ(getStream(a, "Comments"), pattern(20, 2));
    ASSERT_EQ(a.copyElementTo("Comments", a, "Comments2"), Result::Ok);  // a copy beside it is fine
    EXPECT_EQ(getStream(a, "Comments2"), pattern(20, 2));
    ASSERT_EQ(a.destroyElement("Comments2"), Result::Ok);
    EXPECT_EQ(problems(b), "");

    // The whole root into a new file: same bytes, and no room left from the deleted stream.
    const std::string copy = dir.file("copy.qbk");
    {
        Storage c;
        ASSERT_EQ(Storage::createFile(copy, c), Result::Ok);
        ASSERT_EQ(a.copyTo(c), Result::Ok);
        ValidationReport report;
        ASSERT_EQ(c.validate(&report), Result::Ok);
        EXPECT_EQ(report.leakedSectors, 0u);
    }
    EXPECT_LT(std::filesystem::file_size(copy), std::filesystem::file_size(src) - 250000);
    Storage c;
    ASSERT_EQ(Storage::openFile(copy, OpenMode::ReadOnly, c), Result::Ok);
    EXPECT_EQ(names(c), names(a));
    EXPECT_EQ(getStream(c, "Transactions"), pattern(64000, 1));
    EXPECT_EQ(getStream(c, "Comments"), pattern(20, 2));
    Storage cSub;
    ASSERT_EQ(c.openStorage("Sub", cSub), Result::Ok);
    EXPECT_EQ(getStream(cSub, "Inner"), pattern(5000, 3));
}
