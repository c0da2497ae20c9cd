#pragma once
// The lighting page's handlers: effect options, the step-time slider, the
// colour table with its colour dialog, the breathing values, the key-set
// colour and button effect choices, and the refresh from the image. Each
// change goes to the mouse at once as a live write of the changed bytes;
// nothing is sent while the window's image-loading flag is set.

#include <QColor>
#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>

#include "orvandesk/lighting/LightingRules.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace shell {
class SkinSlider;
}

namespace orvandesk {

class TForm1;

class LightingPage : public QObject {
    Q_OBJECT
public:
    // Asks for a colour starting from the given one; nothing when cancelled.
    using ColourPicker = std::function<std::optional<QColor>(const QColor& initial)>;

    explicit LightingPage(TForm1& window);
    ~LightingPage() override;

    // The lighting part of RefreshUI: every control from DataBuf, nothing sent.
    void RefreshLighting();
    // Captions that follow the active language.
    void RefreshCaptions();

    void RGBMode_OnClick(int option);          // lbl_LED1 .. lbl_LED6
    void FallTime_OnClick(int position);       // Img_Fall1 .. Img_Fall10
    void lbl_ColClick(int k);                  // lbl_Col1 .. lbl_Col10
    void edt_ColChange(int k, int component);  // edt_ColkR/G/B, component 0..2
    void edt_StepTimeChange();
    // edt_Lower (48), edt_Upper (50), edt_LowerTime (52), edt_UpperTime (54).
    void edt_BreathChange(std::size_t offset);
    void cb_ProfileColorChange(int index);
    void cb_BtnEFTChange(int index);

    const orvan::lighting::LedTypeState& ledType() const { return ledType_; }
    // The mouse is gone: the LED type is unknown until the next image.
    void ForgetLedType() { ledType_.Forget(); }
    shell::SkinSlider& stepSlider() { return *slider_; }
    void setColourPicker(ColourPicker picker) { picker_ = std::move(picker); }

private:
    void connectControls();
    QLineEdit* edit(const QString& name) const;
    QLineEdit* colourEdit(int k, int component) const;
    void showOption(int option);
    void paintSwatch(int k);
    void refreshColourItems();
    void setOverlay(bool shown);
    bool loading() const;
    void send(std::size_t offset, uint8_t d0, uint8_t d1 = 0, uint8_t d2 = 0, uint8_t n = 1);
    // The edit's number held to `limit` (the text corrected quietly); nothing
    // for an empty edit.
    std::optional<int> heldValue(QLineEdit* e, int limit);
    void setEditQuietly(QLineEdit* e, int value);

    TForm1& w_;
    shell::SkinSlider* slider_ = nullptr;
    QButtonGroup* radios_ = nullptr;
    orvan::lighting::LedTypeState ledType_;
    ColourPicker picker_;
};

}  // namespace orvandesk
