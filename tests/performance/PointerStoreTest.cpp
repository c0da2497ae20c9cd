// The per-user pointer store: what a first start reads, the round trip, and
// files that are not the store's own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/platform/pointer/PointerStore.h"

namespace {

using platform::PointerGroup;
using platform::PointerStore;

class PointerStoreTest : public ::testing::Test {
protected:
    std::filesystem::path dir;
    std::filesystem::path file;

    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() /
            ("pointer-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        file = dir / "sub" / "pointer.conf";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void put(const std::string& text) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    std::string contents() {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(PointerStoreTest, AFirstStartReadsTheUntunedDesktopAndWritesCreateTheFile) {
    PointerStore store(file);
    EXPECT_EQ(store.read(PointerGroup::Mouse), PointerStore::Defaults(PointerGroup::Mouse));
    EXPECT_EQ(store.read(PointerGroup::Desktop)->at("WheelScrollLines"), "3");
    ASSERT_TRUE(store.write(PointerGroup::Desktop, {{"WheelScrollLines", "-1"}}));
    ASSERT_TRUE(store.write(PointerGroup::Mouse, {{"MouseSensitivity", "20"}}));

    PointerStore again(file);
    auto mouse = again.read(PointerGroup::Mouse);
    ASSERT_TRUE(mouse);
    EXPECT_EQ(mouse->at("MouseSensitivity"), "20");
    EXPECT_EQ(mouse->at("DoubleClickSpeed"), "500") << "the other values are kept";
    EXPECT_EQ(again.read(PointerGroup::Desktop)->at("WheelScrollLines"), "-1");
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".tmp"));
}

TEST_F(PointerStoreTest, ForeignLinesAreSkippedAndDropped) {
    put("# note\n[Mouse]\n MouseSensitivity = 14 \r\nno equals sign\n[Other]\nMouseSpeed=9\n"
        "[Desktop]\nWheelScrollLines=5\n");
    PointerStore store(file);
    const auto mouse = store.read(PointerGroup::Mouse);
    ASSERT_TRUE(mouse);
    EXPECT_EQ(*mouse, (platform::PointerValues{{"MouseSensitivity", "14"}}));
    ASSERT_TRUE(store.write(PointerGroup::Mouse, {{"MouseSpeed", "1"}}));
    EXPECT_EQ(contents(),
              "[Mouse]\nMouseSensitivity=14\nMouseSpeed=1\n[Desktop]\nWheelScrollLines=5\n");
}

TEST_F(PointerStoreTest, WhatCannotBeStoredSafelyIsRefused) {
    PointerStore store(file);
    for (const platform::PointerValues& bad :
         {platform::PointerValues{{"MouseSpeed", "1\n[Desktop]"}},
          platform::PointerValues{{"Mouse=Speed", "1"}}, platform::PointerValues{{"", "1"}}}) {
        EXPECT_FALSE(store.write(PointerGroup::Mouse, bad));
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    // A file far too big to be a store is neither read nor replaced.
    put(std::string(100 * 1024, 'x'));
    EXPECT_FALSE(store.read(PointerGroup::Mouse));
    EXPECT_FALSE(store.write(PointerGroup::Mouse, {{"MouseSpeed", "1"}}));
    EXPECT_EQ(std::filesystem::file_size(file), 100u * 1024u);
}

}  // namespace
