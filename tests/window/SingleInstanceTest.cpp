#include "common/shell/window/SingleInstance.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

#include "orvandesk/window/MainWindow.h"

namespace {

TEST(SingleInstanceTest, ASecondStartAsksTheFirstToShowItsWindow) {
    const QString caption =
        QStringLiteral("window-test-%1").arg(QCoreApplication::applicationPid());
    shell::SingleInstance first(caption);
    ASSERT_FALSE(first.activateRunning(200)) << "nobody listens yet";
    ASSERT_TRUE(first.listen());
    QSignalSpy asked(&first, &shell::SingleInstance::activationRequested);

    // The second start on another thread, as it would be in its own process,
    // while this thread serves the first's event loop.
    bool secondFoundFirst = false;
    std::thread second(
        [&] { secondFoundFirst = shell::SingleInstance(caption).activateRunning(3000); });
    QElapsedTimer waited;
    waited.start();
    while (asked.isEmpty() && waited.elapsed() < 5000) QTest::qWait(10);
    second.join();
    EXPECT_TRUE(secondFoundFirst);
    EXPECT_EQ(asked.size(), 1);
}

TEST(SingleInstanceTest, TheSecondProgramEndsWithoutAWindow) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), runtime.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(
        QStringLiteral(ORVANDESK_EXE),
        {QStringLiteral("--simulate"), QStringLiteral("--quit-after"), QStringLiteral("30000")});
    ASSERT_TRUE(first.waitForStarted());

    // Wait until the first one listens on its name.
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString name =
        shell::SingleInstance::SocketName(QString::fromLatin1(orvandesk::kMainWindowCaption));
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    bool listening = false;
    for (int i = 0; i < 300 && !listening; ++i) {
        QLocalSocket probe;
        probe.connectToServer(name);
        listening = probe.waitForConnected(50);
        if (!listening) QTest::qWait(50);
    }
    ASSERT_TRUE(listening);

    const QString picture = runtime.filePath(QStringLiteral("second.png"));
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(ORVANDESK_EXE),
                 {QStringLiteral("--screenshot"), picture, QStringLiteral("--quit-after"),
                  QStringLiteral("100")});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(picture)) << "the second start made a window";
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(5000)) first.kill();
    first.waitForFinished(5000);
}

}  // namespace
