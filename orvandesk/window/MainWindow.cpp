#include "orvandesk/window/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBitmap>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWindow>

#include "common/shell/Skin.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/window/BusyWindow.h"
#include "common/shell/window/MessageDialog.h"
#include "orvandesk/exchange/Connection.h"
#include "orvandesk/window/AdvancedSettings.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/KeyMenu.h"
#include "orvandesk/window/Lighting.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk {

namespace {

// The page strip and window buttons, one copy on each of pages 1 to 5.
const char* const kStripBases[] = {"Confirm1", "Confirm2", "Confirm3", "Exit2",  "Exit1",
                                   "Mini",     "Web",      "Main",     "Switch", "Fixed",
                                   "Adv",      "Breath",   "Macro",    "Update", "Engineer",
                                   "Save",     "Load",     "Lang1",    "Lang2",  "Lang3"};

// A transparent label over a whole page that takes every click, so nothing
// below it can start a second rebuild.
class BlockingOverlay : public QLabel {
public:
    explicit BlockingOverlay(QWidget* parent) : QLabel(parent) {}

protected:
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
};

QString N(int n) {
    return QString::number(n);
}

}  // namespace

QRegion VisibleRegion(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb maroon = qRgb(128, 0, 0);
    QList<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && (qAlpha(line[x]) == 0 || line[x] == maroon)) ++x;
            const int first = x;
            while (x < image.width() && qAlpha(line[x]) != 0 && line[x] != maroon) ++x;
            if (x > first) runs.append(QRect(first, y, x - first, 1));
        }
    }
    // Rows top to bottom, runs left to right: the banded order setRects wants.
    QRegion region;
    region.setRects(runs.constData(), static_cast<int>(runs.size()));
    return region;
}

TForm1::TForm1(WindowEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), env_(std::move(environment)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kMainWindowCaption));
    buildControls();
    skin_ = new shell::Skin(this, store_, *this, this);
    session_ = std::make_unique<DeviceSession>(*this, env_);
    advanced_ = new AdvancedSettings(*this, env_.pointer);
    advanced_->attach();
    lighting_ = new LightingPage(*this);
    connectHandlers();
}

TForm1::~TForm1() {
    // The reader may have a refresh queued on this window: stop it first.
    if (session_) session_->close();
    delete busy_;
}

void TForm1::buildControls() {
    for (int n = 1; n <= 7; ++n) {
        auto* page = new QFrame(this);
        page->setObjectName("gbPage" + N(n));
        page->setFrameShape(QFrame::NoFrame);
        page->setGeometry(0, 0, n == 7 ? 1256 : skinWidth_, n == 7 ? 680 : skinHeight_);
        if (n <= 6) {
            pages::Picture(page, "Img_Base_" + N(n));
            pages::Picture(page, "Img_P" + N(n));
        } else {
            page->setAutoFillBackground(true);
            QPalette palette = page->palette();
            palette.setColor(QPalette::Window, QColor(28, 28, 30));
            palette.setColor(QPalette::WindowText, QColor(225, 225, 225));
            page->setPalette(palette);
        }
        switch (n) {
            case 1:
                pages::BuildKeyPage(page);
                break;
            case 2:
                pages::BuildAdvancedPage(page);
                break;
            case 3:
                pages::BuildLightingPage(page);
                break;
            case 4:
                pages::BuildMacroPage(page);
                break;
            case 5:
                pages::BuildUpdatePage(page);
                break;
            case 6:
                pages::BuildFirePage(page);
                break;
            default:
                pages::BuildEngineeringPage(page);
                break;
        }
        if (n <= 5) buildPageFrame(page, n);
        if (n == 7) {
            // The engineering page's own strip.
            int y = 300;
            for (const char* base :
                 {"Main", "Switch", "Fixed", "Adv", "Breath", "Macro", "Update", "Engineer"}) {
                auto* b = new QPushButton(QString::fromLatin1(base), page);
                b->setObjectName(QStringLiteral("Btn_%1_6").arg(QString::fromLatin1(base)));
                b->setGeometry(1020, y, 220, 26);
                y += 30;
            }
        }
    }
    pages::BuildMenus(this);

    // Page and language marks: never shown, exactly one of each checked.
    auto* pageMarks = new QButtonGroup(this);
    for (int n = 1; n <= 8; ++n) {
        auto* rb = new QRadioButton(this);
        rb->setObjectName("rb_" + N(n));
        rb->hide();
        pageMarks->addButton(rb, n);
    }
    auto* languageMarks = new QButtonGroup(this);
    for (int n = 1; n <= 3; ++n) {
        auto* rb = new QRadioButton(this);
        rb->setObjectName("rb_Lang" + N(n));
        rb->hide();
        languageMarks->addButton(rb, n);
    }
    mark(1)->setChecked(true);
}

void TForm1::buildPageFrame(QWidget* page, int n) {
    for (const char* base : kStripBases) {
        pages::Picture(page, QStringLiteral("Img_%1_%2").arg(QString::fromLatin1(base)).arg(n));
        pages::Label(page, QStringLiteral("Btn_%1_%2").arg(QString::fromLatin1(base)).arg(n));
    }
    auto* overlay = new BlockingOverlay(page);
    overlay->setObjectName("Disable_All_" + N(n));
    overlay->setGeometry(0, 0, skinWidth_, skinHeight_);
    overlay->hide();
}

void TForm1::connectHandlers() {
    using Handler = void (TForm1::*)();
    const std::pair<const char*, Handler> strip[] = {
        {"Main", &TForm1::Btn_Main_0Click},         {"Switch", &TForm1::Btn_Switch_0Click},
        {"Fixed", &TForm1::Btn_Fixed_0Click},       {"Adv", &TForm1::Btn_Adv_0Click},
        {"Breath", &TForm1::Btn_Breath_0Click},     {"Macro", &TForm1::Btn_Macro_0Click},
        {"Update", &TForm1::Btn_Update_0Click},     {"Engineer", &TForm1::Btn_Engineer_0Click},
        {"Exit1", &TForm1::Btn_Exit1_0Click},       {"Exit2", &TForm1::Btn_Exit2_0Click},
        {"Mini", &TForm1::Btn_Minimize_0Click},     {"Web", &TForm1::Btn_Web_0Click},
        {"Confirm1", &TForm1::Btn_Confirm1_0Click}, {"Confirm2", &TForm1::Btn_Confirm2_0Click},
        {"Confirm3", &TForm1::Btn_Confirm3_0Click}, {"Save", &TForm1::Btn_Save_0Click},
        {"Load", &TForm1::Btn_Load_0Click},
    };
    for (const auto& [base, handler] : strip) {
        for (int n = 1; n <= 6; ++n) {
            const QString name = QStringLiteral("Btn_%1_%2").arg(QString::fromLatin1(base)).arg(n);
            if (auto* label = findChild<shell::SkinLabel*>(name)) {
                connect(label, &shell::SkinLabel::clicked, this, handler);
            } else if (auto* button = findChild<QPushButton*>(name)) {
                connect(button, &QPushButton::clicked, this, handler);
            }
        }
    }
    for (int k = 1; k <= 3; ++k) {
        for (int n = 1; n <= 5; ++n) {
            if (auto* label =
                    findChild<shell::SkinLabel*>(QStringLiteral("Btn_Lang%1_%2").arg(k).arg(n))) {
                connect(label, &shell::SkinLabel::clicked, this, [this, k] { Btn_LangClick(k); });
            }
        }
    }
    for (int n = 1; n <= 6; ++n) {
        if (auto* base = findChild<shell::SkinPicture*>("Img_Base_" + N(n))) {
            connect(base, &shell::SkinPicture::pressed, this, &TForm1::Img_BaseMouseDown);
        }
        if (auto* picture = findChild<shell::SkinPicture*>("Img_P" + N(n))) {
            connect(picture, &shell::SkinPicture::pressed, this, &TForm1::ClearAP);
        }
    }
    if (auto* base6 = findChild<shell::SkinPicture*>(QStringLiteral("Img_Base_6"))) {
        connect(base6, &shell::SkinPicture::doubleClicked, this, &TForm1::Img_Base_6DblClick);
    }
    if (auto* logo = findChild<shell::SkinPicture*>(QStringLiteral("Img_EngineerLogo"))) {
        connect(logo, &shell::SkinPicture::pressed, this, &TForm1::Img_BaseMouseDown);
        connect(logo, &shell::SkinPicture::doubleClicked, this, &TForm1::Img_Base_1DblClick);
    }
    for (int k = 1; k <= 12; ++k) {
        if (auto* key = findChild<shell::SkinLabel*>("Key" + N(k))) {
            connect(key, &shell::SkinLabel::clicked, this,
                    [this, key] { ShowPnlMain_OnClick(key); });
        }
    }
    connectKeyMenu();
    for (const char* name : {"Btn_FireConfirm", "Btn_FireExit"}) {
        if (auto* b = findChild<shell::SkinLabel*>(QString::fromLatin1(name))) {
            connect(b, &shell::SkinLabel::clicked, this, &TForm1::closeFirePage);
        }
    }
    if (auto* link = findChild<shell::SkinLabel*>(QStringLiteral("Btn_WebLink"))) {
        connect(link, &shell::SkinLabel::clicked, this, &TForm1::Btn_WebLinkClick);
    }
    if (auto* b = findChild<QPushButton*>(QStringLiteral("Btn_Default"))) {
        connect(b, &QPushButton::clicked, this, &TForm1::Btn_DefaultClick);
    }
}

bool TForm1::FormCreate() {
    // 1. Nothing can be clicked until the language switch at the end.
    setOverlaysVisible(true);
    // 2. The notification-area icon: no menu, no actions.
    tray_ = new QSystemTrayIcon(this);
    tray_->setObjectName(QStringLiteral("TrayIcon"));
    const QPixmap icon = store_.contains(QStringLiteral("AppIcon"))
                             ? store_.image(QStringLiteral("AppIcon"))
                             : QPixmap();
    if (!icon.isNull()) {
        tray_->setIcon(QIcon(icon));
        setWindowIcon(QIcon(icon));
    }
    tray_->setToolTip(applicationTitle_);
    if (QSystemTrayIcon::isSystemTrayAvailable()) tray_->show();
    // 3. Idle run-time state.
    noDeviceView_ = false;
    imageLoading_ = false;
    statusRefresh_ = false;
    factoryMode_ = false;
    // 4. The background decides the window size.
    const QSize skin = skin_->LoadSkinBackground();
    if (!skin.isEmpty()) {
        skinWidth_ = skin.width();
        skinHeight_ = skin.height();
    }
    for (int n = 1; n <= 5; ++n) {
        if (QWidget* o = control("Disable_All_" + N(n)))
            o->setGeometry(0, 0, skinWidth_, skinHeight_);
    }
    if (QWidget* o = control(QStringLiteral("Disable_All_4_1")))
        o->setGeometry(0, 0, skinWidth_, skinHeight_);
    // 5. Window and pages.
    setFixedSize(skinWidth_, skinHeight_);
    for (int n = 1; n <= 6; ++n)
        control("gbPage" + N(n))->setGeometry(0, 0, skinWidth_, skinHeight_);
    control(QStringLiteral("gbPage7"))->setGeometry(0, 0, 1256, 680);
    // 6. Centred on the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - skinWidth_) / 2, s.top() + (s.height() - skinHeight_) / 2);
    }
    // 7. Borderless and shaped.
    makeShaped();
    // 8. No mouse yet.
    session_->link().InvalidateHandles();
    // 9. The hint handler and the overlays again.
    qApp->installEventFilter(this);
    setOverlaysVisible(true);
    // 10., 11. First pictures and the option table.
    skin_->LoadDefaultSkinImages();
    skin_->ReadOrgTable();
    skin_->LoadLanguageTables();
    // 12.-14. The macro libraries and the engineering terms come with their pages.
    // 15. Layout and language 1; every key menu row is captioned by its text.
    skin_->textConfig().menuEntries = KeyMenuCaptions();
    skin_->ApplyLayoutAndTexts();
    skin_->AttachStateImages();
    // 16. Row height of the macro lists.
    for (const char* name :
         {"LB_PCMacroName", "LB_MacroName", "LB_macro", "LB_FireMacroName", "LB_FireMacro"}) {
        if (auto* list = control<QListWidget>(QString::fromLatin1(name))) {
            list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }")
                                    .arg(skin_->layout().macroNameHeight));
        }
    }
    // 17. What to look for, from the first default image; 21. DeviceIdList entry 1.
    loadDefaultImages();
    session_->configure(orvan::ConnectionConfig::fromDefaultImage(
        defaultImages_[0], static_cast<uint8_t>(skin_->org().revManuId),
        static_cast<uint8_t>(skin_->org().revProId)));
    // 18. The default configuration while no mouse is connected.
    RefreshErrorAP();
    // 19. The pointer settings.
    advanced_->refreshPointer();
    // 20. The application title of the active language.
    setApplicationTitle(languageText("Title"));
    // 22. Page 1 only.
    showOnlyPage(1);
    // 24. Language 1; it ends by hiding the overlays.
    Btn_LangClick(skin_->languageNumber());
    // 25.
    update();
    if (!skin_->problems().empty()) {
        shell::ShowStartupProblems(this, skin_->problems());
        return false;
    }
    return true;
}

void TForm1::createBusyWindow() {
    if (!busy_) busy_ = new shell::TFormLoadingUI(this);
}

void TForm1::makeShaped() {
    setAttribute(Qt::WA_TranslucentBackground);
    // Maroon is the see-through colour, as are the transparent parts of the
    // background picture: the window takes the picture's outline, and clicks
    // there go to whatever lies below.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(128, 0, 0));
    setPalette(palette);
    const QPixmap background = store_.contains(QStringLiteral("L1_BackGround"))
                                   ? store_.image(QStringLiteral("L1_BackGround"))
                                   : QPixmap();
    if (background.isNull()) return;
    if (shape_.isEmpty()) shape_ = VisibleRegion(background.toImage());
    setMask(shape_);
}

void TForm1::reshape() {
    shape_ = QRegion();
    makeShaped();
}

int TForm1::pageMark() const {
    for (int n = 1; n <= 8; ++n) {
        if (mark(n)->isChecked()) return n;
    }
    return 1;
}

QAbstractButton* TForm1::mark(int n) const {
    return findChild<QAbstractButton*>("rb_" + N(n));
}

bool TForm1::pageOneOverlayVisible() const {
    QWidget* o = control(QStringLiteral("Disable_All_1"));
    return o != nullptr && !o->isHidden();
}

void TForm1::setOverlaysVisible(bool visible) {
    for (int n = 1; n <= 5; ++n) {
        if (QWidget* o = control("Disable_All_" + N(n))) {
            o->setVisible(visible);
            if (visible) o->raise();
        }
    }
}

void TForm1::setApplicationTitle(const QString& title) {
    applicationTitle_ = title.isEmpty() ? QString::fromLatin1(kApplicationTitle) : title;
    if (tray_ != nullptr) tray_->setToolTip(applicationTitle_);
}

int TForm1::languageNumber() const {
    return skin_->languageNumber();
}

QString TForm1::languageText(const char* id) const {
    return skin_->LanguageText(id);
}

void TForm1::showBusy() {
    createBusyWindow();
    busy_->showCentred();
    processPendingEvents();
}

void TForm1::hideBusy() {
    if (busy_) busy_->hide();
    processPendingEvents();
}

void TForm1::processPendingEvents() {
    QCoreApplication::processEvents();
}

void TForm1::RefreshFormMessagDialog(const QString& text) {
    // Messages mark line breaks with carriage returns.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    shell::RefreshFormMessagDialog(this, applicationTitle_, shown, languageText("FontName"));
}

void TForm1::ShowMessageId(const char* id) {
    RefreshFormMessagDialog(languageText(id));
}

void TForm1::HideAllMenu() {
    for (const char* name :
         {"Pnl_Main", "Pnl_MseKey", "Pnl_Special", "Pnl_Media", "Pnl_WWW", "Pnl_MyPC",
          "Pnl_FireKey", "Pnl_CPIKey", "Pnl_ACPI", "Pnl_Profile", "LB_Name", "LB_Script",
          "Pnl_PCMacro", "Pnl_DevMacro", "Pnl_DevContent", "Pnl_DevFireMacro", "Pnl_DevFireContent",
          "Pnl_AdjustXY"}) {
        if (QWidget* w = control(QString::fromLatin1(name))) w->hide();
    }
    // A row chosen or left behind with the lists shows plain the next time.
    for (const MenuList& list : KeyMenuLists()) {
        for (const MenuRow& r : list.rows) {
            if (QWidget* row = control(QString::fromLatin1(r.name));
                row && !row->styleSheet().isEmpty())
                KeyStatusMouseLeave(row);
        }
    }
}

void TForm1::RefreshAPPage() {
    int page = 0;
    const int m = pageMark();
    if (noDeviceView_ || (m >= 1 && m <= 3)) {
        page = 1;
    } else if (m >= 4 && m <= 7) {
        page = m - 2;
    }
    for (int n = 1; n <= 7; ++n) control("gbPage" + N(n))->setVisible(n == page);
    // The macro page shows its delay group; the insert mode comes with the macro editor.
    if (page == 4) {
        if (QWidget* g = control(QStringLiteral("Gb_Delay"))) g->show();
    }
}

void TForm1::Img_BaseMouseDown() {
    HideAllMenu();
    // The move starts once the mouse really moves, so that double-clicks on
    // the background still arrive.
    dragArmed_ = true;
    dragOrigin_ = QCursor::pos();
}

void TForm1::Btn_Minimize_0Click() {
    showMinimized();
}

void TForm1::Btn_Web_0Click() {
    for (QWidget* w : skin_->controls().copies(QStringLiteral("Img_Web"))) {
        shell::ShowPicture(w, QStringLiteral("WebS_02"), store_);
    }
    if (skin_->org().webOpens()) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(skin_->org().web)));
    }
}

void TForm1::Btn_WebLinkClick() {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(skin_->org().web)));
}

void TForm1::Btn_LangClick(int k) {
    skin_->SwitchLanguage(k);
    lighting_->RefreshCaptions();
    // Key labels show function names, which the language decides.
    const int m = pageMark();
    RefreshProfileKeys(m >= 1 && m <= 3 ? m - 1 : 0);
    showAimLevel(-1);
    if (auto* link = control<QLabel>(QStringLiteral("Btn_WebLink"))) {
        link->setText(QString::fromStdString(skin_->org().web));
    }
}

void TForm1::activateFromSecondStart() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

bool TForm1::connectionUsable() const {
    return session_->link().usable();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // FormCloseQuery: the link is marked closed and nothing is written.
    session_->close();
    if (tray_ != nullptr) tray_->hide();
    if (busy_) busy_->hide();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) dragArmed_ = false;
    if (dragArmed_ && event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        if ((move->buttons() & Qt::LeftButton) &&
            (move->globalPosition().toPoint() - dragOrigin_).manhattanLength() >=
                QApplication::startDragDistance()) {
            dragArmed_ = false;
            if (QWindow* w = windowHandle()) w->startSystemMove();
        }
    }
    // ShowHint: the hint of the control under the mouse goes to lbl_Content.
    if (event->type() == QEvent::ToolTip) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w != nullptr && w->window() == this) {
            if (auto* content = control<QLabel>(QStringLiteral("lbl_Content"))) {
                content->setText(w->toolTip());
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::loadDefaultImages() {
    for (size_t n = 0; n < defaultImages_.size(); ++n) {
        const auto bytes = store_.data(QStringLiteral("ORVANDATA_CFG%1").arg(n + 1));
        defaultImages_[n].fill(0xFF);
        if (!bytes) continue;
        const auto count = std::min<qsizetype>(bytes->size(), orvan::kImageSize);
        std::copy(bytes->constBegin(), bytes->constBegin() + count, defaultImages_[n].begin());
    }
}

}  // namespace orvandesk
