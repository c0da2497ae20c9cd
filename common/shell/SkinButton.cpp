#include "common/shell/SkinButton.h"

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"

namespace shell {

SkinButton::SkinButton(const ResourceStore& store, QWidget* picture, SkinLabel* label, QString kind,
                       bool hasPressed, QObject* parent)
    : QObject(parent), store_(store), picture_(picture), kind_(std::move(kind)) {
    if (label == nullptr) return;
    connect(label, &SkinLabel::entered, this, [this] { show("_02"); });
    connect(label, &SkinLabel::left, this, [this] { show("_01"); });
    connect(label, &SkinLabel::clicked, this, [this, hasPressed] {
        if (hasPressed) show("_03");
        emit clicked();
    });
}

void SkinButton::showNormal() {
    show("_01");
}

void SkinButton::show(const char* state) {
    ShowPicture(picture_, kind_ + QLatin1String(state), store_);
}

}  // namespace shell
