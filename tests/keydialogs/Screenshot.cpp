// Photographs the combination-key dialog, Ctrl ticked and C pressed, over the
// key page for docs/; with a dialog number 3 .. 7 that dialog instead.
// Usage: keydialogs_screenshot <out.png> [page picture] [dialog number]
// Without a page picture the page is composed from the skin pictures.
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "DialogFixture.h"
#include "common/keys/dialogs/CombinationKeyDialog.h"
#include "common/keys/dialogs/KeyStepDialog.h"
#include "common/keys/dialogs/MacroNameDialog.h"
#include "common/keys/dialogs/ValueDialogs.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    dialogtest::QuietPlatformNotes();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <out.png> [key page picture]\n", argv[0]);
        return 2;
    }
    dialogtest::DialogFixture f;
    const int number = argc > 3 ? std::atoi(argv[3]) : 2;
    keys::KeyDialogFrame* form = nullptr;
    switch (number) {
        case 3:
            form = f.show(new keys::TForm3(f.skin(), f.host, f.owner.get()));
            QTest::keyClicks(f.field("Edt_MacroName"), "Reload");
            break;
        case 4:
            form =
                f.show(new keys::TForm4(f.skin(), f.host, keys::KeyStepKind::Press, f.owner.get()));
            dialogtest::PressKey(f.field("Edt_EditKey"), Qt::Key_F5);
            break;
        case 5:
            form = f.show(new keys::TForm5(f.skin(), f.host, f.owner.get()));
            break;
        case 6:
            form = f.show(new keys::TForm6(f.skin(), f.host, f.owner.get()));
            break;
        case 7:
            form = f.show(new keys::TForm7(f.skin(), f.host, f.owner.get()));
            break;
        default:
            form = f.show(new keys::TForm2(f.skin(), f.host, f.owner.get()));
            f.click("CB_Ctrl");
            dialogtest::PressKey(f.field("Edt_Assembly"), Qt::Key_C);
            break;
    }

    QImage page(f.owner->size(), QImage::Format_ARGB32);
    QPainter painter(&page);
    const QImage given = argc > 2 ? QImage(QString::fromLocal8Bit(argv[2])) : QImage();
    if (!given.isNull()) {
        painter.drawImage(0, 0, given);
    } else {
        page.fill(Qt::black);
        painter.drawPixmap(0, 0, f.store.image("L1_BackGround"));
        painter.drawPixmap(90, 130, f.store.image("L1_Back1"));
    }
    // The key page's disabled overlay while the dialog is open.
    painter.fillRect(page.rect(), QColor(0, 0, 0, 110));
    const QPoint at = form->pos() - f.owner->pos();
    painter.setClipRegion(form->mask().translated(at));
    painter.drawPixmap(at, form->grab());
    painter.end();
    if (!f.problems.empty()) std::fprintf(stderr, "%s\n", f.problems.message().c_str());
    if (!page.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
