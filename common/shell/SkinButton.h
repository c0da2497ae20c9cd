#pragma once
// A picture button outside the main window's kind table (the dialogs' close
// icons and buttons): the label's hover and click switch its picture between
// the normal, mouse-over and pressed pictures of one button kind.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/shell/ResourceStore.h"

namespace shell {

class SkinLabel;

class SkinButton : public QObject {
    Q_OBJECT
public:
    // kind: the picture family, "ExitS" for "ExitS_01" .. "ExitS_03". Without
    // a pressed picture (hasPressed false) a click leaves the hover picture.
    SkinButton(const ResourceStore& store, QWidget* picture, SkinLabel* label, QString kind,
               bool hasPressed = true, QObject* parent = nullptr);

    void showNormal();

signals:
    void clicked();

private:
    void show(const char* state);

    const ResourceStore& store_;
    QPointer<QWidget> picture_;
    QString kind_;
};

}  // namespace shell
