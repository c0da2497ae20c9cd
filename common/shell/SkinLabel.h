#pragma once
// The click label of a skinned control: transparent, laid exactly over its
// picture, caption centred both ways, and the receiver of every mouse event of
// the pair (the picture only shows the state).

#include <QLabel>

namespace shell {

class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(QWidget* parent = nullptr);

signals:
    void entered();
    void left();
    void pressed();
    void clicked();
    void rightClicked();
    void doubleClicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Lays a label over its picture: same place and size, less the left and right
// insets (for pictures whose visible part is narrower than the picture).
void PlaceOver(QWidget* label, const QWidget* picture, int insetLeft = 0, int insetRight = 0);

}  // namespace shell
