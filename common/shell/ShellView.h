#pragma once
// What the skin machinery needs to know from, and asks of, the window that
// owns it. The state here is the window's; the machinery only reads it.

#include <QString>

namespace shell {

// State shared with the window's own views.
class ShellView {
public:
    virtual ~ShellView() = default;
    // The checked page mark, 1..8 (key sets 1..3, advanced, lighting, macro,
    // update, engineering).
    virtual int pageMark() const = 0;
    // Set while the current DPI level or key set is read and shown; hover
    // pictures of the page strip and key labels wait until it clears.
    virtual bool statusRefreshing() const = 0;
    // Whether the blocking overlay of page 1 is up.
    virtual bool pageOneOverlayVisible() const = 0;
    // The selected fire preset, 1..7, or 0 for none.
    virtual int selectedFirePreset() const { return 0; }
};

// Everything a language switch asks the window to do.
class ShellHost : public ShellView {
public:
    // Shows or hides the five blocking overlays.
    virtual void setOverlaysVisible(bool visible) = 0;
    // Shows again the page named by the page mark.
    virtual void refreshCurrentPage() = 0;
    virtual void setApplicationTitle(const QString& title) = 0;
    virtual void processPendingEvents() {}
};

// A plain holder of the shared state, for windows that keep it in one place.
struct ShellViewState : ShellView {
    int page = 1;
    bool statusRefresh = false;
    bool overlayVisible = false;
    int firePreset = 1;

    int pageMark() const override { return page; }
    bool statusRefreshing() const override { return statusRefresh; }
    bool pageOneOverlayVisible() const override { return overlayVisible; }
    int selectedFirePreset() const override { return firePreset; }
};

}  // namespace shell
