#pragma once
// The busy window shown around device transfers: borderless, always on top,
// no text, an endless animation. Whoever shows it first centres it over the
// main window.

#include <QTimer>
#include <QWidget>

namespace shell {

class TFormLoadingUI : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 206;
    static constexpr int kHeight = 196;

    // Created centred over `main`, 40 pixels below its centre.
    explicit TFormLoadingUI(QWidget* main);

    // Centred over the main window, then shown.
    void showCentred();
    // Top-left of a window of size `inner` centred over `outer` (halves
    // rounded toward zero).
    static QPoint CentreOver(const QRect& outer, QSize inner, int extraTop = 0);

    int frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* main_;
    QTimer animation_;
    int frame_ = 0;
};

}  // namespace shell
