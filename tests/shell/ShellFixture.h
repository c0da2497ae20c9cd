#pragma once
// A small window with real control names, fixture tables and generated
// pictures of the right sizes, for the tests of the skin machinery.

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "common/shell/ResourceStore.h"
#include "common/shell/ShellView.h"
#include "common/shell/Skin.h"

namespace shelltest {

// Records what the skin asks of the window.
struct FixtureHost : shell::ShellHost {
    shell::ShellViewState state;
    QStringList calls;
    QString title;

    int pageMark() const override { return state.pageMark(); }
    bool statusRefreshing() const override { return state.statusRefreshing(); }
    bool pageOneOverlayVisible() const override { return state.pageOneOverlayVisible(); }
    int selectedFirePreset() const override { return state.selectedFirePreset(); }
    void setOverlaysVisible(bool visible) override {
        calls << (visible ? "overlays on" : "overlays off");
        state.overlayVisible = visible;
    }
    void refreshCurrentPage() override { calls << "refresh page"; }
    void setApplicationTitle(const QString& t) override {
        calls << "title";
        title = t;
    }
    void processPendingEvents() override { calls << "process events"; }
};

// The fixture window: pages gbPage1 .. gbPage6, the page strip on pages 1 to 5,
// the key labels, combination options, a DPI slider, the pointer slider, the
// macro page's new button, insert list and delay group, two fire presets.
std::unique_ptr<QWidget> MakeFixtureWindow();

// Pictures with the sizes of the shipped artwork, and the fixture tables.
void FillFixtureResources(shell::ResourceStore& store);

// UTF-16LE with byte order mark, as language resources are shipped.
QByteArray Utf16Resource(const QString& text);

// A window, its resources and a skin that has run the creation steps.
struct SkinFixture {
    // tweak may replace resources before the skin reads them.
    explicit SkinFixture(const std::function<void(shell::ResourceStore&)>& tweak = {});
    std::unique_ptr<QWidget> window;
    shell::ResourceStore store{QStringLiteral(":/shelltest")};
    FixtureHost host;
    std::unique_ptr<shell::Skin> skin;

    QWidget* find(const QString& name) const;
    QString picture(const QString& name) const;
    QString caption(const QString& name) const;
};

}  // namespace shelltest
