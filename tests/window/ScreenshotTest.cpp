// Pictures of the window for a person to look at: English and Russian with
// the mouse connected, and the no-device view. Saved to
// ORVANDESK_SCREENSHOT_DIR, or to a folder in the temporary directory.

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include "common/keys/dialogs/CombinationKeyDialog.h"
#include "orvandesk/app/SimulatedMouseStore.h"
#include "orvandesk/app/SimulatorPanel.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

QString ShotPath(const char* name) {
    QString dir = qEnvironmentVariable("ORVANDESK_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QDir::temp().filePath(QStringLiteral("orvandesk-window-shots"));
    QDir().mkpath(dir);
    return QDir(dir).filePath(QString::fromLatin1(name));
}

TEST_F(WindowTest, Screenshots) {
    start();
    tick();
    ASSERT_TRUE(window->connectionUsable());
    const QPixmap english = window->grab();
    EXPECT_EQ(english.size(), QSize(1030, 662));
    EXPECT_TRUE(english.save(ShotPath("main-window-en.png")));
    click("Btn_Switch_1");
    click("Key4");
    for (const char* row : {"Key_Special", "Key_CPIKey"}) window->KeyStatusMouseEnter(find(row));
    EXPECT_TRUE(window->grab().save(ShotPath("key-menu.png")));
    window->HideAllMenu();

    // The combination-key dialog over the page, Ctrl ticked and C pressed.
    click("Key4");
    QTest::mouseClick(find("Key_Assembly"), Qt::LeftButton);
    if (auto* dialog = window->findChild<keys::TForm2*>()) {
        QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("CB_Ctrl")), Qt::LeftButton);
        QTest::keyClick(dialog->findChild<QWidget*>(QStringLiteral("Edt_Assembly")), Qt::Key_C);
        QPixmap shot = window->grab();
        {
            // The dialog's form colour is see-through where its shape leaves it out.
            const QPoint at = dialog->frameGeometry().topLeft() - window->frameGeometry().topLeft();
            QPainter painter(&shot);
            if (!dialog->mask().isEmpty()) painter.setClipRegion(dialog->mask().translated(at));
            painter.drawPixmap(at, dialog->grab());
        }
        EXPECT_TRUE(shot.save(ShotPath("combination-key-dialog.png")));
        dialog->reject();
    } else {
        ADD_FAILURE() << "the combination-key dialog did not open";
    }
    EXPECT_TRUE(window->grab().save(ShotPath("connected.png")));

    // Unplugged: the defaults under the blocking overlays, and the message.
    hid->unplug(mouse.get());
    tick();
    ASSERT_EQ(modals.messages.size(), 1u);
    QPixmap lost = window->grab();
    {
        QMessageBox box(QMessageBox::NoIcon, window->applicationTitle(), modals.messages[0],
                        QMessageBox::Ok, window.get());
        box.show();
        QApplication::processEvents();
        const QPixmap message = box.grab();
        QPainter painter(&lost);
        painter.drawPixmap((lost.width() - message.width()) / 2,
                           (lost.height() - message.height()) / 2, message);
    }
    EXPECT_TRUE(lost.save(ShotPath("no-device.png")));
    hid->plug(mouse);
    tick();
    ASSERT_TRUE(window->connectionUsable());

    click("Btn_Lang2_1");
    EXPECT_EQ(window->languageNumber(), 2);
    EXPECT_EQ(find<QLabel>("Btn_Main_1")->text(), "Режим A");
    EXPECT_TRUE(window->grab().save(ShotPath("main-window-ru.png")));

    platform::SimulatedHidSystem panelHid(clock);
    QTemporaryDir dir;
    orvandesk::SimulatedMouseStore store(panelHid, dir.filePath("mouse.bin"));
    orvandesk::SimulatorPanel panel(store);
    panel.showBeside(*window);
    EXPECT_TRUE(panel.grab().save(ShotPath("simulated-mouse.png")));
}

}  // namespace
}  // namespace wt
