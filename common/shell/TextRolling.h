#pragma once
// Text rolling of a hovered label (`LabelRun`): every 200 ms the first
// character of the caption moves to its end, with four blanks the first time.
// Only the minimise buttons start it, and only when the option table turns it
// on; leaving any button, opening a key menu or losing the mouse stops it.

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace shell {

class TextRolling : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 200;

    // enabled: whether the option table turns rolling on (TR_Enable = 1).
    explicit TextRolling(std::function<bool()> enabled, QObject* parent = nullptr);

    // A label was entered: it becomes the rolled label, its caption the one
    // to roll and to put back; the tick counter starts again.
    void remember(QLabel* label);
    // Starts the timer for the remembered label, when that label is enabled.
    void start();
    // Stops the timer and puts back the caption the label had, if rolling
    // changed it.
    void stop();
    void resetCounter() { counter_ = 0; }

    bool running() const { return timer_.isActive(); }
    QLabel* label() const { return label_; }
    // One tick of the timer (`LabelRunTimer`).
    void tick();

private:
    std::function<bool()> enabled_;
    QTimer timer_;
    QPointer<QLabel> label_;
    QString original_;
    QString rolled_;
    bool changed_ = false;
    int counter_ = 0;
};

}  // namespace shell
