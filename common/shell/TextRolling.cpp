#include "common/shell/TextRolling.h"

namespace shell {

TextRolling::TextRolling(std::function<bool()> enabled, QObject* parent)
    : QObject(parent), enabled_(std::move(enabled)) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &TextRolling::tick);
}

void TextRolling::remember(QLabel* label) {
    if (label_ != label && changed_ && label_ != nullptr) label_->setText(original_);
    label_ = label;
    original_ = label != nullptr ? label->text() : QString();
    rolled_ = original_;
    changed_ = false;
    counter_ = 0;
}

void TextRolling::start() {
    if (label_ != nullptr && label_->isEnabled()) timer_.start();
}

void TextRolling::stop() {
    timer_.stop();
    // Only a caption the rolling changed is put back: a click may have given
    // the label a new caption in the meantime (record becomes stop).
    if (changed_ && label_ != nullptr) label_->setText(original_);
    changed_ = false;
    rolled_ = original_;
}

void TextRolling::tick() {
    if (!enabled_ || !enabled_()) return;
    ++counter_;
    if (counter_ > 20) counter_ = 2;
    if (label_ == nullptr || rolled_.isEmpty()) return;
    const QChar first = rolled_.front();
    const QString rest = rolled_.mid(1);
    rolled_ = counter_ == 1 ? rest + QStringLiteral("    ") + first : rest + first;
    label_->setText(rolled_);
    changed_ = true;
}

}  // namespace shell
