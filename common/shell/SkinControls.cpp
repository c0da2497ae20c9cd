#include "common/shell/SkinControls.h"

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"

namespace shell {

namespace {

template <class Fn>
void OnClick(QWidget* control, QObject* context, Fn fn) {
    if (auto* label = qobject_cast<SkinLabel*>(control)) {
        QObject::connect(label, &SkinLabel::clicked, context, fn);
    } else if (auto* picture = qobject_cast<SkinPicture*>(control)) {
        QObject::connect(picture, &SkinPicture::clicked, context, fn);
    }
}

}  // namespace

SkinCheck::SkinCheck(const ResourceStore& store, QWidget* picture, QWidget* label,
                     QString onPicture, QString offPicture, QObject* parent)
    : QObject(parent),
      store_(store),
      picture_(picture),
      on_(std::move(onPicture)),
      off_(std::move(offPicture)) {
    auto flip = [this] {
        setChecked(!checked_);
        emit toggled(checked_);
    };
    OnClick(label != nullptr ? label : picture, this, flip);
}

void SkinCheck::setChecked(bool checked) {
    checked_ = checked;
    ShowPicture(picture_, checked_ ? on_ : off_, store_);
}

SkinRadioGroup::SkinRadioGroup(const ResourceStore& store, QList<Option> options, QString onPicture,
                               QString offPicture, QObject* parent)
    : QObject(parent),
      store_(store),
      options_(std::move(options)),
      on_(std::move(onPicture)),
      off_(std::move(offPicture)) {
    for (qsizetype i = 0; i < options_.size(); ++i) {
        const Option& o = options_[i];
        const int index = static_cast<int>(i);
        OnClick(o.label != nullptr ? o.label : o.picture, this,
                [this, index] { emit clicked(index); });
    }
}

void SkinRadioGroup::setChosen(int index) {
    chosen_ = index >= 0 && index < options_.size() ? index : -1;
    for (qsizetype i = 0; i < options_.size(); ++i) {
        ShowPicture(options_[i].picture, i == chosen_ ? on_ : off_, store_);
    }
}

SkinSlider::SkinSlider(const ResourceStore& store, QList<QWidget*> positions, QString knobPicture,
                       QString emptyPicture, Style style, QObject* parent)
    : QObject(parent),
      store_(store),
      knob_(std::move(knobPicture)),
      empty_(std::move(emptyPicture)),
      style_(style) {
    for (qsizetype i = 0; i < positions.size(); ++i) {
        positions_.append(positions[i]);
        const int position = static_cast<int>(i) + 1;
        OnClick(positions[i], this, [this, position] { emit positionClicked(position); });
    }
}

void SkinSlider::setPosition(int position) {
    position_ = position >= 1 && position <= count() ? position : 0;
    for (int i = 1; i <= count(); ++i) {
        const bool knob = style_ == Style::Knob ? i == position_ : i <= position_;
        ShowPicture(positions_[i - 1], knob ? knob_ : empty_, store_);
    }
}

void SkinSlider::setStyle(Style style) {
    style_ = style;
    setPosition(position_);
}

void SkinSlider::setEnabled(bool enabled) {
    for (const auto& p : positions_) {
        if (p) p->setEnabled(enabled);
    }
}

}  // namespace shell
