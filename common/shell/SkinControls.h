#pragma once
// Check boxes, radio options and sliders made of skin pictures. They drive
// controls that already exist in the window (found by name and placed by the
// layout pass) and only decide which picture each one shows.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/shell/ResourceStore.h"

namespace shell {

// A check box: a picture ("CbS_E" on, "CbS_D" off) and the label that takes
// its clicks.
class SkinCheck : public QObject {
    Q_OBJECT
public:
    SkinCheck(const ResourceStore& store, QWidget* picture, QWidget* label,
              QString onPicture = QStringLiteral("CbS_E"),
              QString offPicture = QStringLiteral("CbS_D"), QObject* parent = nullptr);

    bool isChecked() const { return checked_; }
    // Shows the state without telling anyone (values put on the window).
    void setChecked(bool checked);

signals:
    // The user clicked: the state flipped.
    void toggled(bool checked);

private:
    const ResourceStore& store_;
    QPointer<QWidget> picture_;
    QString on_;
    QString off_;
    bool checked_ = false;
};

// Radio options: one chosen ("RdS_E"), the others not ("RdS_D").
class SkinRadioGroup : public QObject {
    Q_OBJECT
public:
    struct Option {
        QWidget* picture;
        QWidget* label;
    };
    SkinRadioGroup(const ResourceStore& store, QList<Option> options,
                   QString onPicture = QStringLiteral("RdS_E"),
                   QString offPicture = QStringLiteral("RdS_D"), QObject* parent = nullptr);

    int chosen() const { return chosen_; }  // 0-based, -1 for none
    void setChosen(int index);

signals:
    void clicked(int index);

private:
    const ResourceStore& store_;
    QList<Option> options_;
    QString on_;
    QString off_;
    int chosen_ = -1;
};

// A value bar of N pictures. With the knob style only the chosen position
// shows the knob; with the fill style every position up to it does.
class SkinSlider : public QObject {
    Q_OBJECT
public:
    enum class Style { Knob, Fill };

    SkinSlider(const ResourceStore& store, QList<QWidget*> positions, QString knobPicture,
               QString emptyPicture, Style style, QObject* parent = nullptr);

    // The style of the option table's DPILED_Status: 1 knob, anything else fill.
    static Style StyleOf(int dpiLedStatus) { return dpiLedStatus == 1 ? Style::Knob : Style::Fill; }

    int count() const { return static_cast<int>(positions_.size()); }
    int position() const { return position_; }  // 1..count, 0 for none
    void setPosition(int position);
    void setStyle(Style style);
    void setEnabled(bool enabled);

signals:
    // A click on position 1..count.
    void positionClicked(int position);

private:
    const ResourceStore& store_;
    QList<QPointer<QWidget>> positions_;
    QString knob_;
    QString empty_;
    Style style_;
    int position_ = 0;
};

}  // namespace shell
