// Saving and loading the BIN file through the window.

#include <QFile>
#include <QTemporaryDir>

#include "orvandesk/image/ImageLayout.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class BinButtonsTest : public WindowTest {
protected:
    QTemporaryDir dir;
    QString path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(BinButtonsTest, SaveLoadSaveGivesTheSameFile) {
    startConnected();
    window->saveBinTo(path("first"));
    const QByteArray first = ReadAll(path("first.bin"));
    ASSERT_EQ(first.size(), 2048);
    const auto memory = mouse->memory();
    EXPECT_EQ(first, QByteArray(reinterpret_cast<const char*>(memory.data()), 2048));

    window->loadBinFrom(path("first.bin"));
    EXPECT_TRUE(window->connectionUsable()) << "connected again after the restart";
    EXPECT_FALSE(window->imageLoading());
    window->saveBinTo(path("second"));
    EXPECT_EQ(ReadAll(path("second.bin")), first);
    EXPECT_TRUE(modals.messages.empty());
}

TEST_F(BinButtonsTest, AFileWithoutTheMarkerIsRefusedAndNothingIsWritten) {
    startConnected();
    auto bytes = ShippedImage();
    bytes[orvan::field::MemoryKindMarker] = 0xFF;
    {
        QFile f(path("bad.bin"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    const auto before = window->image().working;
    window->loadBinFrom(path("bad.bin"));
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], "Loading .bin is error!");
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ(window->image().working, before);
    EXPECT_FALSE(window->imageLoading());
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
}

TEST_F(BinButtonsTest, SavingAlwaysAppendsTheExtension) {
    startConnected();
    window->saveBinTo(path("backup"));
    EXPECT_TRUE(QFile::exists(path("backup.bin")));
    window->saveBinTo(path("backup.bin"));
    EXPECT_TRUE(QFile::exists(path("backup.bin.bin")));
}

TEST_F(BinButtonsTest, WithoutAMouseTheButtonsOnlySaySo) {
    start(std::nullopt);
    for (const char* button : {"Btn_Save_1", "Btn_Load_1", "Btn_Confirm1_1"}) {
        modals.messages.clear();
        click(button);
        ASSERT_EQ(modals.messages.size(), 1u) << button;
        EXPECT_EQ(modals.messages[0], "Finding the specified device");
    }
    EXPECT_FALSE(window->imageLoading());
}

}  // namespace
}  // namespace wt
