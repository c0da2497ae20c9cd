#pragma once
// A read-only field that takes every key pressed in it, Tab, Escape and
// shortcuts included, and hands it to the dialog instead of editing its text
// or moving the focus.

#include <QLineEdit>

class QKeyEvent;

namespace keys {

class KeyCaptureEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyCaptureEdit(QWidget* parent = nullptr);

signals:
    void keyPressed(const QKeyEvent& event);

protected:
    bool event(QEvent* event) override;
};

}  // namespace keys
