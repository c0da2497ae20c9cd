#include "common/shell/DefaultImages.h"

#include "common/shell/SkinPicture.h"

namespace shell {

namespace {

QString N(int n) {
    return QString::number(n);
}

class Loader {
public:
    Loader(Controls& controls, const ResourceStore& store) : c_(controls), store_(store) {}

    void one(const QString& control, const QString& picture) {
        if (QWidget* w = c_.find(control)) ShowPicture(w, picture, store_);
    }
    void copies(const QString& base, const QString& picture) {
        for (QWidget* w : c_.copies(base)) ShowPicture(w, picture, store_);
    }

private:
    Controls& c_;
    const ResourceStore& store_;
};

}  // namespace

QSize LoadSkinBackground(Controls& controls, const ResourceStore& store) {
    const QPixmap picture = store.image(QStringLiteral("L1_BackGround"));
    if (QWidget* base = controls.find(QStringLiteral("Img_Base_1"))) {
        ShowPicture(base, QStringLiteral("L1_BackGround"), store);
    }
    return picture.size();
}

void LoadDefaultSkinImages(Controls& controls, const ResourceStore& store) {
    Loader l(controls, store);
    for (int page = 1; page <= 6; ++page) l.one("Img_Base_" + N(page), "L1_BackGround");
    for (int p = 1; p <= 4; ++p) l.one("Img_P" + N(p), "L1_Back" + N(p));
    l.one("Img_P5", "Update");
    l.one("Img_P6", "L1_Back5");

    for (const char* base : {"Img_Confirm1", "Img_Confirm2", "Img_Confirm3", "Img_Exit2"}) {
        l.copies(base, "BtnS_01");
    }
    l.copies("Img_Exit1", "ExitS_01");
    l.copies("Img_Mini", "MiniS_01");
    l.copies("Img_Main", "SetS_03");
    l.copies("Img_Lang1", "SetS_03");
    for (const char* base :
         {"Img_Switch", "Img_Fixed", "Img_Adv", "Img_Breath", "Img_Macro", "Img_Update",
          "Img_Engineer", "Img_Save", "Img_Load", "Img_Lang2", "Img_Lang3"}) {
        l.copies(base, "SetS_01");
    }
    for (int k = 1; k <= 12; ++k) l.one("Img_Key" + N(k), "KeyS_01");
    l.one("Img_LoadBIN", "KeyS_01");
    l.one("Img_Program", "KeyS_01");
    l.copies("Img_Web", "WebS_01");
    for (int k = 1; k <= 8; ++k) l.one("Img_ComboKey" + N(k), "CbS_D");
    for (int k = 1; k <= 3; ++k) l.one("Img_Fire" + N(k) + "Continue", "CbS_D");
    for (const char* slider : {"Img_Spd1", "Img_DbSpd1", "Img_ScrSpd1", "Img_Fall1"}) {
        l.one(slider, "Bar1_E");
    }
    for (int n = 1; n <= 8; ++n) l.one("Img_DPI" + N(n) + "_1", "Bar2_E");
    l.one("Img_AIMDPI_1", "Bar2_E");
    for (int n = 1; n <= 8; ++n) l.one("Img_DPI" + N(n) + "Col", "Col_F");
    for (int k = 1; k <= 10; ++k) l.one("Img_Col" + N(k), "Col_F");
    for (int k = 1; k <= 3; ++k) l.one("Img_FireColor" + N(k), "Col_F");
    // Recorded delay is the chosen delay option at start, on both pages.
    for (const char* prefix : {"Img_", "Img_Insert", "Img_Fire"}) {
        l.one(QString(prefix) + "RecDelay", "RdS_E");
        l.one(QString(prefix) + "DelayTime", "RdS_D");
        l.one(QString(prefix) + "NoDelay", "RdS_D");
    }
    for (const char* name : {"Img_New", "Img_Start", "Img_InsertStart", "Img_FireStart"}) {
        l.one(name, "MacroS_01");
    }
    for (const char* name : {"Img_OK", "Img_Cancel", "Img_FireOK", "Img_FireCancel"}) {
        l.one(name, "MacroBtnS_01");
    }
    l.one("Img_Fire1", "Gun1_02");
    for (int k = 2; k <= 7; ++k) l.one("Img_Fire" + N(k), "Gun" + N(k) + "_01");
    for (int k = 1; k <= 5; ++k) l.one("Img_GunMode" + N(k), "GunMode" + N(k));
    l.one("Img_FireSelLeft", "CbS_E");
    l.one("Img_FireConfirm", "BtnS_01");
    l.one("Img_FireExit", "BtnS_01");
    l.one("Img_FireDelay", "InsertDelayBase");
    l.one("Img_FireInsert", "InsertDelayBase");
}

}  // namespace shell
