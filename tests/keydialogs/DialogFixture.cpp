#include "DialogFixture.h"

#include <QTest>

namespace dialogtest {
namespace {

QByteArray Resource(const shell::ResourceStore& store, const QString& name) {
    return store.data(name).value_or(QByteArray());
}

std::string_view View(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

DialogFixture::DialogFixture(int n) : language(n), owner(std::make_unique<QWidget>()) {
    store.setProblems(&problems);
    const QByteArray table = Resource(store, QStringLiteral("ORG%1").arg(n));
    layout = shell::ParseSettingsTable(View(table));
    for (int k = 1; k <= shell::LanguageTables::kCount; ++k) {
        languages.setTable(k, View(Resource(store, QStringLiteral("LANG%1").arg(k))));
    }
    languages.setActive(n);
    owner->setWindowFlags(Qt::FramelessWindowHint);
    owner->setGeometry(100, 50, 1030, 662);
}

QWidget* DialogFixture::find(const QString& name) const {
    return dialog ? dialog->findChild<QWidget*>(name) : nullptr;
}

void DialogFixture::click(const QString& name) const {
    QWidget* target = find(name);
    if (target == nullptr) {
        // The expectations on what the click should have done report it.
        qWarning("no control %s", qPrintable(name));
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

void PressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers held) {
    QTest::sendKeyEvent(QTest::Click, target, key, QString(), held);
}

void QuietPlatformNotes() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.contains(QLatin1String("does not support setting window masks"))) return;
            previous(type, context, message);
        });
}

}  // namespace dialogtest
