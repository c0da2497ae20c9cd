#pragma once
// A check box drawn with the skin's check pictures ("CbS_E" ticked, "CbS_D"
// not) and its caption to the right of the picture. It never takes the
// focus, so the dialog's field keeps it while a box is clicked.

#include <QCheckBox>

#include "common/shell/ResourceStore.h"

namespace keys {

class PictureCheckBox : public QCheckBox {
    Q_OBJECT
public:
    PictureCheckBox(const shell::ResourceStore& store, const QString& text,
                    QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The picture the box shows now.
    QString pictureName() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    const shell::ResourceStore& store_;
};

}  // namespace keys
