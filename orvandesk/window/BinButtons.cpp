// The reset buttons (default images 1 to 3), the engineering page's
// restore-defaults work, and saving and loading the BIN file.

#include <QFileDialog>
#include <QPushButton>

#include "common/shell/Skin.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/StateImages.h"
#include "orvandesk/image/BinFile.h"
#include "orvandesk/image/ImageDistribution.h"
#include "orvandesk/image/SectionDefaults.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/MainWindow.h"

namespace orvandesk {

namespace {
const char* const kEngineeringButtons[] = {
    "Btn_Main_6",          "Btn_Switch_6",       "Btn_Fixed_6",    "Btn_Adv_6",  "Btn_Breath_6",
    "Btn_Macro_6",         "Btn_Update_6",       "Btn_Engineer_6", "Btn_Save_6", "Btn_Load_6",
    "Btn_ImportBaseMacro", "Btn_ImportGunMacro", "Btn_PatchCode",  "Btn_Default"};
}  // namespace

void TForm1::confirmClick(int n) {
    shell::ShowOnCopies(skin_->controls(), store_, QStringLiteral("Confirm%1").arg(n),
                        QStringLiteral("BtnS_03"));
    if (!connectionUsable()) {
        ShowMessageId("Str022");
        return;
    }
    DefaultParameterConfirm(n);
}

void TForm1::DefaultParameterConfirm(int n) {
    if (n < 1 || n > 3) return;
    imageLoading_ = true;
    HideAllMenu();
    session_->stopDetectionTimer();
    setOverlaysVisible(true);
    showBusy();
    loadDefaultImages();
    const bool i2c = session_->detectedI2c();
    if (i2c) {
        image_.working = defaultImages_[static_cast<size_t>(n - 1)];
        clearMacroViews(false);
        orvan::DistributeImage(image_, defaultsContext());
    }
    DataBufToUI();
    if (i2c) session_->exchange().WriteWholeImage();
    // The read after the restart shows what the mouse now holds.
    session_->connection().RestartAndReconnect();
}

void TForm1::Btn_DefaultClick() {
    if (QWidget* result = control(QStringLiteral("Img_Result"))) result->hide();
    if (!connectionUsable()) return;
    TLDefaultParameter();
    if (QWidget* result = control(QStringLiteral("Img_Result"))) result->show();
}

void TForm1::TLDefaultParameter() {
    session_->stopDetectionTimer();
    imageLoading_ = true;
    HideAllMenu();
    for (const char* name : kEngineeringButtons) {
        if (QWidget* b = control(QString::fromLatin1(name))) b->setEnabled(false);
    }
    showBusy();

    keyTexts_.Clear();
    const orvan::DefaultsContext context = defaultsContext();
    orvan::BuildVendorDefault(image_.data, context);
    orvan::BuildUserDefault(image_.data, context);
    for (int p = 0; p < 3; ++p) orvan::BuildProfileDefault(image_.data, p);
    orvan::BuildReserveDefault(image_.data, context);
    DataBufToUI();
    if (session_->detectedI2c()) {
        // An empty device macro area; the macro lists follow with the macro page.
        image_.macroArea.fill(0);
        orvan::BuildFireMacroDefaults(image_.fireMacroNames, image_.fireMacroSteps);
        orvan::BuildFireMacroDefaults(image_.fireMacros);
        orvan::AssembleImage(image_);
        session_->exchange().WriteWholeImage();
    }
    for (const char* name : kEngineeringButtons) {
        if (QWidget* b = control(QString::fromLatin1(name))) b->setEnabled(true);
    }
    session_->connection().RestartAndReconnect();
}

void TForm1::Btn_Save_0Click() {
    HideAllMenu();
    if (!connectionUsable()) {
        ShowMessageId("Str022");
        return;
    }
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("SaveFile(*.bin)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveBinTo(dialog.selectedFiles().first());
}

void TForm1::saveBinTo(const QString& chosen) {
    // The file holds what the mouse has now, not what the window showed.
    Btn_Read();
    std::span<const orvan::Byte> content;
    if (session_->detectedI2c()) content = image_.working;
    const orvan::BinFileResult result = orvan::SaveBinFile(chosen.toStdString(), content);
    if (!result.ok) RefreshFormMessagDialog(QString::fromStdString(result.message));
}

void TForm1::Btn_Load_0Click() {
    imageLoading_ = true;
    HideAllMenu();
    if (!connectionUsable()) {
        ShowMessageId("Str022");
        imageLoading_ = false;
        return;
    }
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("LoadFile(*.bin)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        imageLoading_ = false;
        return;
    }
    loadBinFrom(dialog.selectedFiles().first());
}

void TForm1::loadBinFrom(const QString& path) {
    imageLoading_ = true;
    if (session_->detectedI2c()) {
        const orvan::BinFileResult result = orvan::LoadBinFile(path.toStdString(), image_.working);
        if (!result.ok) {
            RefreshFormMessagDialog(QString::fromStdString(result.message));
            imageLoading_ = false;
            return;
        }
    }
    MemoToDataBuf_OnClick();
    imageLoading_ = false;
}

void TForm1::MemoToDataBuf_OnClick() {
    HideAllMenu();
    session_->stopDetectionTimer();
    setOverlaysVisible(true);
    const bool i2c = session_->detectedI2c();
    if (i2c) orvan::DistributeImage(image_, defaultsContext());
    DataBufToUI();
    showBusy();
    if (i2c) session_->exchange().WriteWholeImage();
    session_->connection().RestartAndReconnect();
}

}  // namespace orvandesk
