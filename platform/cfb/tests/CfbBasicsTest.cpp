#include "CfbTestUtil.h"

#include <gtest/gtest.h>

using namespace cfb;
using namespace cfbtest;

TEST(CfbBasics, CreateWriteReopenRead)
{
    TempDir dir;
    const std::string path = dir.file("a.qbk");
    const auto big = pattern(100000, 1);
    const auto small = pattern(300, 2);
    {
        Storage root;
        ASSERT_EQ(Storage::createFile(path, root), Result::Ok);
        ASSERT_EQ(putStream(root, "Big", big), Result::Ok);
        ASSERT_EQ(putStream(root, "Small", small), Result::Ok);
        EXPECT_EQ(problems(root), "");
    }
    Storage root;
    ASSERT_EQ(Storage::openFile(path, OpenMode::ReadOnly, root), Result::Ok);
    EXPECT_EQ(getStream(root, "big"), big);
    EXPECT_EQ(getStream(root, "SMALL"), small);
    EXPECT_EQ(problems(root), "");
}
