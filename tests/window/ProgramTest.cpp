// The program itself with --simulate on a scaled clock: it connects to the
// simulated mouse by itself, reads its memory once, and saves the picture it
// was asked for.

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

TEST(ProgramTest, ConnectsToTheSimulatedMouseAndReadsItsMemoryOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const QString picture = dir.filePath(QStringLiteral("connected.png"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORVANDESK_HID_TRACE"), trace);
    // 50 times faster: the first tick after 70 ms, connected well within the run.
    env.insert(QStringLiteral("ORVANDESK_TIME_SCALE"), QStringLiteral("50"));

    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ORVANDESK_EXE),
                  {QStringLiteral("--simulate"), QStringLiteral("--screenshot"), picture,
                   QStringLiteral("--quit-after"), QStringLiteral("5000")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput().trimmed(), picture.toLocal8Bit());
    EXPECT_TRUE(QFile::exists(picture));

    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    int reads = 0;
    int fetchesAfterRead = 0;
    for (const QByteArray& line : lines) {
        if (line.contains("host->dev") && line.contains("id=40 40 09 00 00 08 00")) ++reads;
        if (reads > 0 && line.contains("dev->host") && line.contains("id=41")) ++fetchesAfterRead;
    }
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(fetchesAfterRead, 293);
    // The memory is kept for the next run.
    EXPECT_TRUE(QFile::exists(
        dir.filePath(QStringLiteral("data/orvandesk/orvandesk/simulated-orvan-mouse.bin"))));
}

}  // namespace
