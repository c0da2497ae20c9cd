#pragma once
// A picture control of the skin: shows one resource picture at its natural
// size and remembers the resource's name, so the state of a button can be read
// back (tests, the window's own rules). Fully transparent pixels show what lies
// below.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace shell {

class ResourceStore;

class SkinPicture : public QWidget {
    Q_OBJECT
public:
    explicit SkinPicture(QWidget* parent = nullptr);

    // Shows the picture and takes its size (an empty picture keeps the size).
    void setPicture(const QString& name, const QPixmap& picture);
    const QString& pictureName() const { return name_; }
    const QPixmap& picture() const { return picture_; }

signals:
    void pressed();
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString name_;
    QPixmap picture_;
};

// Gives a picture control (a SkinPicture, or a plain QLabel) the named picture
// from the store; the control takes the picture's size. Null controls are
// skipped so the passes can run over windows that lack a control.
void ShowPicture(QWidget* control, const QString& name, const ResourceStore& store);

// The resource name a control shows ("" for controls that are not pictures).
QString PictureNameOf(const QWidget* control);

}  // namespace shell
