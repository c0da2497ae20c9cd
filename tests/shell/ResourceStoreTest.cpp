#include "common/shell/ResourceStore.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"

namespace {

TEST(ResourceStore, FindsResourcesWithoutRegardToCase) {
    shell::StartupProblems problems;
    shell::ResourceStore store(":/shelltest", &problems);
    // The fixture's aliases are "org", "Org1" and "ORG2".
    for (const char* name : {"ORG", "org1", "Org2", "oRg1"}) {
        EXPECT_TRUE(store.contains(name)) << name;
        auto bytes = store.data(name);
        ASSERT_TRUE(bytes.has_value()) << name;
        EXPECT_TRUE(bytes->contains("[")) << name;
    }
    store.insertImage("SetS_01", QImage(100, 30, QImage::Format_ARGB32));
    EXPECT_EQ(store.image("sets_01").size(), QSize(100, 30));
    EXPECT_TRUE(problems.empty()) << problems.message();
}

TEST(ResourceStore, RecordsWhatIsMissingOrUnreadable) {
    shell::StartupProblems problems;
    shell::ResourceStore store(":/shelltest", &problems);
    store.insert("Broken", "not a picture");
    EXPECT_FALSE(store.data("LANG9").has_value());
    EXPECT_TRUE(store.image("L1_Back9").isNull());
    EXPECT_TRUE(store.image("Broken").isNull());
    const std::string message = problems.message();
    EXPECT_NE(message.find("\"LANG9\" is missing"), std::string::npos) << message;
    EXPECT_NE(message.find("\"L1_Back9\" is missing"), std::string::npos) << message;
    EXPECT_NE(message.find("\"Broken\" is not a readable PNG"), std::string::npos) << message;
}

TEST(ResourceStore, AnEmptyBuildNamesEverythingTheSkinNeeds) {
    // A build without resources: start-up goes to its end and names what is missing.
    auto window = shelltest::MakeFixtureWindow();
    shell::ResourceStore store(":/nothing-here");
    shelltest::FixtureHost host;
    shell::Skin skin(window.get(), store, host);
    EXPECT_EQ(skin.LoadSkinBackground(), QSize(0, 0));
    skin.LoadDefaultSkinImages();
    skin.ReadOrgTable();
    skin.LoadLanguageTables();
    skin.ApplyLayoutAndTexts();
    const std::string message = skin.problems().message();
    for (const char* name : {"\"L1_BackGround\"", "\"SetS_03\"", "\"ORG\"", "\"ORG1\"", "\"LANG1\"",
                             "\"LANG3\"", "[org]", "[org1]"}) {
        EXPECT_NE(message.find(name), std::string::npos) << name << "\n" << message;
    }
}

}  // namespace
