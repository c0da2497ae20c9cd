#pragma once
// Finds the controls of a window by object name. The skin machinery knows the
// controls only by the names the layout and language keys use; a control the
// window does not have is skipped, so the passes run on partial windows too.

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace shell {

// Copies of the page strip and window buttons are named "_1" .. "_5".
constexpr int kPageCopies = 5;

class Controls {
public:
    explicit Controls(QWidget* root);

    QWidget* root() const { return root_; }
    // Re-reads the window's controls (after controls were added or renamed).
    void refresh();

    QWidget* find(const QString& name) const;
    template <class T>
    T* find(const QString& name) const {
        return qobject_cast<T*>(find(name));
    }
    // The copies base_1 .. base_5 that exist; when none does, base itself (a
    // window may keep one shared control where the pages look the same).
    QList<QWidget*> copies(const QString& base) const;

private:
    QWidget* root_;
    mutable QHash<QString, QPointer<QWidget>> byName_;
    mutable bool indexed_ = false;
};

// Sets the caption of a label, button or line edit.
void SetCaption(QWidget* control, const QString& text);
QString CaptionOf(const QWidget* control);

}  // namespace shell
