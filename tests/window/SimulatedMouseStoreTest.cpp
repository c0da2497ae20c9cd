#include "orvandesk/app/SimulatedMouseStore.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(SimulatedMouseStoreTest, KeepsTheMemoryBetweenRuns) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mouse.bin");
    platform::VirtualClock clock;
    platform::SimulatedHidSystem system(clock);
    std::vector<uint8_t> fresh;
    {
        orvandesk::SimulatedMouseStore store(system, file);
        EXPECT_TRUE(store.plugged());
        fresh = store.mouse().memory();
        const uint8_t change[] = {0x12, 0x34};
        store.mouse().writeMemory(200, change);
        store.setWrongIds(true);
    }
    orvandesk::SimulatedMouseStore again(system, file);
    const auto memory = again.mouse().memory();
    EXPECT_EQ(memory[200], 0x12);
    EXPECT_EQ(memory[201], 0x34);
    // The wrong-id fault is not stored.
    EXPECT_EQ(memory[484], fresh[484]);
    EXPECT_EQ(memory[485], fresh[485]);
}

TEST(SimulatedMouseStoreTest, AFileOfAnotherSizeStartsFromTheDefaultImage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mouse.bin");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("short");
    }
    platform::VirtualClock clock;
    platform::SimulatedHidSystem system(clock);
    orvandesk::SimulatedMouseStore store(system, file);
    QFile resource(":/res/ORVANDATA_CFG1");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray expected = resource.readAll();
    const auto memory = store.mouse().memory();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(memory.data()), 2048), expected.left(2048));
}

}  // namespace
