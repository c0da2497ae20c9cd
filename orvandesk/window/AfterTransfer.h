#pragma once
// Status refreshes read from the mouse. While a transfer is under way it
// pumps events between its chunks, and a read then would cut into it, so the
// refresh is tried again shortly (once, however many events arrive).

#include <QObject>
#include <QTimer>

#include <functional>

namespace orvandesk {

// Returns true when the refresh must wait; `retry` then runs after 100 ms.
inline bool PostponeWhileLoading(bool loading, bool& pending, QObject* context,
                                 std::function<void()> retry) {
    if (!loading) return false;
    if (!pending) {
        pending = true;
        QTimer::singleShot(100, context, [&pending, retry = std::move(retry)] {
            pending = false;
            retry();
        });
    }
    return true;
}

}  // namespace orvandesk
