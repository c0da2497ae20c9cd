#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "orvandesk/image/BinFile.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;

class OrvanBinFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orvan-bin-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const std::string& name, const std::vector<Byte>& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    static std::vector<Byte> Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static WorkingImage Image() {
        WorkingImage image;
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<Byte>(i ^ (i >> 8));
        image[field::MemoryKindMarker] = kMemoryKindI2c;
        return image;
    }

    fs::path dir_;
};

TEST_F(OrvanBinFileTest, SaveAlwaysAppendsBin) {
    EXPECT_EQ(BinSavePath(dir_ / "backup"), dir_ / "backup.bin");
    EXPECT_EQ(BinSavePath(dir_ / "backup.bin"), dir_ / "backup.bin.bin");

    const WorkingImage image = Image();
    const BinFileResult saved = SaveBinFile(dir_ / "backup.bin", image);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(saved.path, dir_ / "backup.bin.bin");
    EXPECT_EQ(Read(saved.path), std::vector<Byte>(image.begin(), image.end()));
}

TEST_F(OrvanBinFileTest, SaveReplacesAnExistingFileAndLeavesNoTemporary) {
    Write("backup.bin", std::vector<Byte>(5000, 0x11));
    const WorkingImage image = Image();
    ASSERT_TRUE(SaveBinFile(dir_ / "backup", image).ok);
    EXPECT_EQ(Read(dir_ / "backup.bin"), std::vector<Byte>(image.begin(), image.end()));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(OrvanBinFileTest, SaveFailureIsReported) {
    const BinFileResult result = SaveBinFile(dir_ / "missing" / "backup", Image());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("backup.bin"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

TEST_F(OrvanBinFileTest, LoadReadsBackWhatWasSaved) {
    const WorkingImage image = Image();
    ASSERT_TRUE(SaveBinFile(dir_ / "backup", image).ok);
    WorkingImage loaded{};
    const BinFileResult result = LoadBinFile(dir_ / "backup.bin", loaded);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.bytes, kImageSize);
    EXPECT_EQ(loaded, image);
}

TEST_F(OrvanBinFileTest, LoadRefusesFilesWithoutTheMarker) {
    std::vector<Byte> unmarked(2048, 0x00);
    unmarked[495] = 0xFF;
    std::vector<Byte> shortMarked(300, 0xE0);  // marker position not in the file
    struct Case {
        const char* name;
        std::vector<Byte> bytes;
    };
    for (const Case& c :
         {Case{"unmarked.bin", unmarked}, Case{"short.bin", shortMarked}, Case{"empty.bin", {}},
          Case{"just-short.bin", std::vector<Byte>(495, 0xE0)}}) {
        SCOPED_TRACE(c.name);
        WorkingImage image = Image();
        const WorkingImage before = image;
        const BinFileResult result = LoadBinFile(Write(c.name, c.bytes), image);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Loading .bin is error!");
        EXPECT_EQ(image, before);
    }
}

TEST_F(OrvanBinFileTest, LoadOfAMissingFileSaysSo) {
    WorkingImage image = Image();
    const BinFileResult result = LoadBinFile(dir_ / "nothing.bin", image);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("nothing.bin"), std::string::npos);
    EXPECT_EQ(image, Image());
}

TEST_F(OrvanBinFileTest, ShortAndLongFiles) {
    // 496 bytes with the marker: read as far as the file goes.
    std::vector<Byte> shortFile(496, 0x22);
    shortFile[495] = 0xE0;
    WorkingImage image = Image();
    const WorkingImage before = image;
    BinFileResult result = LoadBinFile(Write("short.bin", shortFile), image);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.bytes, 496u);
    EXPECT_TRUE(std::equal(shortFile.begin(), shortFile.end(), image.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 496, image.end(), before.begin() + 496));

    // Bytes past 2048 are not part of the image.
    std::vector<Byte> longFile(3000, 0x33);
    longFile[495] = 0xE0;
    result = LoadBinFile(Write("long.bin", longFile), image);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.bytes, kImageSize);
    EXPECT_EQ(image[2047], 0x33);
}

}  // namespace
}  // namespace orvan
