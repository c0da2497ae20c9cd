#include "common/shell/LayoutPass.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <functional>

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/SkinStyle.h"

namespace shell {

namespace {

const QStringList kFamilyA = {"Confirm1", "Confirm2", "Confirm3", "Exit2"};
const QStringList kFamilyB = {"Main",     "Switch", "Fixed", "Adv",   "Breath", "Macro", "Update",
                              "Engineer", "Save",   "Load",  "Lang1", "Lang2",  "Lang3"};
const QStringList kStripOthers = {"Exit1", "Mini", "Web"};

// Key numbers of the table follow the on-screen list, not the button numbers.
constexpr int kKeyControlOfTableKey[12] = {1, 4, 7, 2, 5, 8, 3, 6, 9, 10, 11, 12};

const QStringList kOtherMenus = {"Pnl_MseKey",   "Pnl_Media",  "Pnl_WWW",  "Pnl_MyPC",
                                 "Pnl_FireKey",  "Pnl_CPIKey", "Pnl_ACPI", "Pnl_Profile",
                                 "Pnl_AdjustXY", "Pnl_Fire"};
const QStringList kMacroListMenus = {"Pnl_PCMacro", "Pnl_DevMacro", "Pnl_DevContent",
                                     "Pnl_DevFireMacro", "Pnl_DevFireContent"};

QString N(int n) {
    return QString::number(n);
}

bool IsTextControl(const QWidget* w) {
    if (qobject_cast<const SkinPicture*>(w)) return false;
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->pixmap().isNull();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QGroupBox*>(w);
}

// Every text control of a page, without the page strip, the overlays and the
// menu panels, which belong to families of their own.
void ForEachPageText(QWidget* page, const std::function<void(QWidget*)>& fn) {
    if (page == nullptr) return;
    for (QObject* child : page->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w == nullptr) continue;
        const QString name = w->objectName();
        if (name.startsWith(QLatin1String("Pnl_")) ||
            name.startsWith(QLatin1String("Disable_All")) || IsPageStripName(name)) {
            continue;
        }
        if (IsTextControl(w)) fn(w);
        if (!qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QComboBox*>(w)) {
            ForEachPageText(w, fn);
        }
    }
}

class LayoutPass {
public:
    LayoutPass(Controls& controls, const ResourceStore& store, const LayoutPassInput& input,
               StartupProblems& problems)
        : c_(controls),
          store_(store),
          input_(input),
          keys_(input.table, input.tableName, "org" + std::to_string(input.language), problems) {}

    LayoutValues run() {
        pictures();
        familyA();
        familyB();
        familyC();
        familyG();
        familyD();
        familyE();
        familyF();
        familyI();
        familyJ();
        return v_;
    }

private:
    int num(const QString& key) const { return keys_.number(key.toStdString()); }
    QWidget* w(const QString& name) const { return c_.find(name); }
    static void moveTo(QWidget* control, int x, int y) {
        if (control != nullptr) control->move(x, y);
    }
    void setPicture(const QString& control, const QString& picture) {
        ShowPicture(w(control), picture, store_);
    }
    QString set(const QString& name) const {
        return QStringLiteral("L%1_%2").arg(input_.language).arg(name);
    }

    // key_X, key_Y; moves the control there.
    QPoint readXY(const QString& key) const { return QPoint(num(key + "_X"), num(key + "_Y")); }
    void placeXY(const QString& key, const QString& control) {
        const QPoint p = readXY(key);
        moveTo(w(control), p.x(), p.y());
    }
    // A picture at p and its label over it with the picture's size.
    void placePair(const QString& picture, const QString& label, QPoint p) {
        QWidget* img = w(picture);
        QWidget* lbl = w(label);
        moveTo(img, p.x(), p.y());
        if (lbl == nullptr) return;
        if (img != nullptr) {
            lbl->setGeometry(p.x(), p.y(), img->width(), img->height());
        } else {
            lbl->move(p);
        }
    }
    // A swatch: frame picture, colour shape and click label at one place, the
    // shape and label with the frame's size.
    void placeSwatch(const QString& key, const QString& frame, const QString& shape,
                     const QString& label) {
        const QPoint p = readXY(key);
        QWidget* img = w(frame);
        moveTo(img, p.x(), p.y());
        for (QWidget* other : {w(shape), w(label)}) {
            if (other == nullptr) continue;
            if (img != nullptr) {
                other->setGeometry(p.x(), p.y(), img->width(), img->height());
            } else {
                other->move(p);
            }
        }
    }
    // An option: picture at p, its label offset by d; the label keeps its size
    // unless grow is given, then it is the picture's size plus grow each way.
    void placeOption(const QString& picture, const QString& label, QPoint p, QPoint d,
                     int grow = -1) {
        QWidget* img = w(picture);
        QWidget* lbl = w(label);
        moveTo(img, p.x(), p.y());
        if (lbl == nullptr) return;
        lbl->move(p + d);
        if (grow >= 0 && img != nullptr) lbl->resize(img->width() + grow, img->height() + grow);
    }
    // An element with an enable key: shown and placed when the key is 1, hidden
    // otherwise (X and Y are then not read).
    bool enabledElement(const QString& key, const QList<QWidget*>& pictures,
                        const QList<QWidget*>& labels, int insetLeft = 0, int insetRight = 0) {
        const bool on = num(key + "_Enable") == 1;
        if (!on) {
            for (QWidget* x : pictures + labels) x->hide();
            return false;
        }
        const QPoint p = readXY(key);
        for (qsizetype i = 0; i < pictures.size() || i < labels.size(); ++i) {
            QWidget* img = i < pictures.size() ? pictures[i] : nullptr;
            QWidget* lbl = i < labels.size() ? labels[i] : nullptr;
            if (img != nullptr) {
                img->move(p);
                img->show();
            }
            if (lbl != nullptr) {
                const QSize size = img != nullptr ? img->size() : lbl->size();
                lbl->setGeometry(p.x() + insetLeft, p.y(), size.width() - insetLeft - insetRight,
                                 size.height());
                lbl->show();
            }
        }
        return true;
    }
    bool stripElement(const QString& key, const QString& base, int insetLeft = 0,
                      int insetRight = 0) {
        return enabledElement(key, c_.copies("Img_" + base), c_.copies("Btn_" + base), insetLeft,
                              insetRight);
    }
    void styleCopies(const QStringList& bases, int size, ColourRef colour) {
        for (const QString& base : bases) {
            for (QWidget* lbl : c_.copies("Btn_" + base)) {
                SetFontSize(lbl, size);
                SetTextColour(lbl, colour);
            }
        }
    }

    void pictures() {
        for (int page = 1; page <= 6; ++page) setPicture("Img_Base_" + N(page), set("BackGround"));
        const int mark = input_.pageMark;
        if (mark >= 1 && mark <= 3) {
            setPicture("Img_P1", set("Back1"));
        } else if (mark >= 4 && mark <= 6) {
            setPicture("Img_P" + N(mark - 2), set("Back" + N(mark - 2)));
        }
        setPicture("Img_P6", set("Back5"));
    }

    void familyA() {
        const int size = num("Size_A");
        const ColourRef colour = keys_.colour("Color_A");
        styleCopies(kFamilyA, size, colour);
        stripElement("Btn_A2", "Confirm1");
        stripElement("Btn_A3", "Confirm2");
        stripElement("Btn_A5", "Confirm3");
        stripElement("Btn_A4", "Exit1");
        stripElement("Btn_A6", "Exit2");
        stripElement("Btn_A7", "Mini");
    }

    void familyB() {
        const int size = num("Size_B");
        const ColourRef colour = keys_.colour("Color_B");
        styleCopies(kFamilyB, size, colour);
        v_.btnSpaceF = num("Btn_Space_F");
        v_.btnSpaceB = num("Btn_Space_B");
        const int f = v_.btnSpaceF;
        const int b = v_.btnSpaceB;
        v_.mainEnabled = stripElement("Btn_B1", "Main", f, b);
        v_.switchEnabled = stripElement("Btn_B2", "Switch", f, b);
        v_.fixedEnabled = stripElement("Btn_B3", "Fixed", f, b);
        stripElement("Btn_B4", "Adv", f, b);
        stripElement("Btn_B5", "Breath", f, b);
        stripElement("Btn_B11", "Macro", f, b);
        stripElement("Btn_B12", "Update", f, b);
        stripElement("Btn_B6", "Save", f, b);
        stripElement("Btn_B7", "Load", f, b);
        stripElement("Btn_B8", "Lang1", f, b);
        stripElement("Btn_B9", "Lang2", f, b);
        stripElement("Btn_B10", "Lang3", f, b);
        // The Engineer buttons have no keys: placed as the others, then hidden.
        const auto pictures = c_.copies("Img_Engineer");
        const auto labels = c_.copies("Btn_Engineer");
        for (qsizetype i = 0; i < labels.size(); ++i) {
            QWidget* img = i < pictures.size() ? pictures[i] : nullptr;
            const QSize s = img != nullptr ? img->size() : labels[i]->size();
            labels[i]->setGeometry(10 + f, 10, s.width() - f - b, s.height());
            labels[i]->hide();
        }
        for (QWidget* img : pictures) {
            img->move(10, 10);
            img->hide();
        }
    }

    void familyC() {
        const int size = num("Size_C");
        const ColourRef colour = keys_.colour("Color_C");
        for (int k = 1; k <= 12; ++k) {
            SetFontSize(w("Key" + N(k)), size);
            SetTextColour(w("Key" + N(k)), colour);
        }
        for (int k = 1; k <= 8; ++k) {
            SetFontSize(w("IB_ComboKey" + N(k)), size - 1);
            SetTextColour(w("IB_ComboKey" + N(k)), colour);
        }
        placeXY("P1", "Img_P1");
        auto one = [this](const QString& name) {
            QList<QWidget*> list;
            if (QWidget* x = w(name)) list.append(x);
            return list;
        };
        for (int t = 1; t <= 12; ++t) {
            const QString key = "Key" + N(kKeyControlOfTableKey[t - 1]);
            enabledElement("Key" + N(t), one("Img_" + key), one(key));
        }
        for (int k = 1; k <= 8; ++k) {
            const bool on = comboOption(k);
            if (k == 8) v_.comboKey8Enabled = on;
        }
    }

    // A combination option: its label starts at the check picture and keeps
    // its own width, which the text pass fits to the caption.
    bool comboOption(int k) {
        QWidget* img = w("Img_ComboKey" + N(k));
        QWidget* lbl = w("IB_ComboKey" + N(k));
        const bool on = num("ComboKey" + N(k) + "_Enable") == 1;
        if (!on) {
            if (img) img->hide();
            if (lbl) lbl->hide();
            return false;
        }
        const QPoint p = readXY("ComboKey" + N(k));
        if (img) {
            img->move(p);
            img->show();
        }
        if (lbl) {
            lbl->setGeometry(p.x(), p.y(), lbl->width(), img ? img->height() : lbl->height());
            lbl->show();
        }
        return true;
    }

    void menuPanel(const QString& name, int width, int size, ColourRef text, ColourRef back,
                   ColourRef border) {
        QWidget* panel = w(name);
        if (panel == nullptr) return;
        panel->resize(width, panel->height());
        SetBoxColours(panel, std::nullopt, back, border);
        for (QObject* child : panel->children()) {
            auto* entry = qobject_cast<QWidget*>(child);
            if (entry == nullptr) continue;
            SetFontSize(entry, size);
            SetTextColour(entry, text);
            if (entry->objectName().startsWith(QLatin1String("ST_"))) {
                entry->move(width - 24, entry->y());  // sub-menu arrow
            } else {
                entry->resize(width - 4, entry->height());
            }
        }
    }

    void familyG() {
        const int size = num("Size_G");
        v_.colourGText = keys_.colour("Color_G");
        const ColourRef back = keys_.colour("Color_G_Back");
        const ColourRef border = keys_.colour("Color_G_Border");
        v_.colourGSF = keys_.colour("Color_G_SF");
        v_.colourGSP = keys_.colour("Color_G_SP");
        const int main = num("M_L_W");
        const int special = num("SP_L_W");
        const int other = num("O_L_W");
        menuPanel("Pnl_Main", main, size, v_.colourGText, back, border);
        menuPanel("Pnl_Special", special, size, v_.colourGText, back, border);
        for (const QString& name : kOtherMenus) {
            menuPanel(name, other, size, v_.colourGText, back, border);
        }
    }

    // Slider positions from (x, y) with a step of (dx, dy); its number labels,
    // when it has them, 4 right of and 20 below their picture.
    void slider(const QString& pictureBase, const QString& labelBase, int count, QPoint origin,
                QPoint step) {
        for (int i = 1; i <= count; ++i) {
            const QPoint p = origin + step * (i - 1);
            moveTo(w(pictureBase + N(i)), p.x(), p.y());
            if (!labelBase.isEmpty()) moveTo(w(labelBase + N(i)), p.x() + 4, p.y() + 20);
        }
    }
    QSize firstSize(const QString& name) const {
        QWidget* first = w(name);
        return first != nullptr ? first->size() : QSize(0, 0);
    }
    void pointerSlider(const QString& key) {
        const QPoint p = readXY(key);
        slider("Img_" + key, "lbl_" + key, 11, p, QPoint(firstSize("Img_" + key + "1").width(), 0));
    }
    void dpiSlider(const QString& key, const QString& pictureBase) {
        const QPoint p = readXY(key);
        const int gap = num(key + "_D");
        const QSize s = firstSize(pictureBase + "1");
        if (v_.dpiOrientation == 1) {
            slider(pictureBase, {}, 12, p, QPoint(gap + s.width(), 0));
        } else if (v_.dpiOrientation == 0) {
            slider(pictureBase, {}, 12, p, QPoint(0, -(gap + s.height())));
        }
    }

    void familyD() {
        QWidget* page = w("gbPage2");
        const int size = num("Size_D");
        ForEachPageText(page, [size](QWidget* x) { SetFontSize(x, size); });
        for (int n = 1; n <= 8; ++n) SetFontSize(w("lbl_DPI" + N(n)), size + 1);
        SetFontSize(w("lbl_AIMDPI"), size + 1);
        v_.colourDSelected = keys_.colour("Color_D_Selected");
        v_.colourDNotSelected = keys_.colour("Color_D_notSelected");
        const ColourRef back = keys_.colour("Color_D_Back");
        const ColourRef border = keys_.colour("Color_D_Border");
        for (int k = 1; k <= 3; ++k) {
            SetBoxColours(w("Edt_Repeat" + N(k)), std::nullopt, back, border);
            SetBoxColours(w("Edt_DelayTime" + N(k)), std::nullopt, back, border);
        }
        placeXY("P2", "Img_P2");
        for (int k = 1; k <= 3; ++k) {
            placeXY("FK" + N(k) + "Cnt", "Edt_Repeat" + N(k));
            placeXY("FK" + N(k) + "Delay", "Edt_DelayTime" + N(k));
            placeOption("Img_Fire" + N(k) + "Continue", "lbl_Fire" + N(k) + "Continue",
                        readXY("FK" + N(k) + "Continue"), QPoint(-2, 0), 4);
        }
        for (int k = 1; k <= 4; ++k) {
            placeOption("Img_Rep" + N(k), "lbl_Rep" + N(k), readXY("Rep" + N(k)), QPoint(-4, -2));
        }
        pointerSlider("Spd");
        pointerSlider("DbSpd");
        pointerSlider("ScrSpd");
        placeOption("Img_IsControl", "lbl_IsControl", readXY("IsControl"), QPoint(-8, 0));
        placeOption("Img_IsScreen", "lbl_IsScreen", readXY("IsScreen"), QPoint(-2, 0));
        v_.dpiOrientation = num("DPI_Orientation");
        for (int n = 1; n <= 8; ++n) {
            const QString level = "DPI" + N(n);
            placeSwatch(level + "_Color", "Img_" + level + "Col", "cs_" + level + "Col",
                        "lbl_" + level + "Col");
            placeXY(level + "_Check", "Img_" + level);
            placeXY(level, "lbl_" + level);
            placeXY(level + "_Value", "lbl_" + level + "Value");
            dpiSlider(level + "_Steps", "Img_" + level + "_");
        }
        placeXY("AIMDPI", "lbl_AIMDPI");
        placeXY("AIMDPI_Value", "lbl_AIMDPIValue");
        dpiSlider("AIMDPI_Steps", "Img_AIMDPI_");
    }

    void familyE() {
        QWidget* page = w("gbPage3");
        const int size = num("Size_E");
        const ColourRef colour = keys_.colour("Color_E");
        ForEachPageText(page, [&](QWidget* x) {
            SetFontSize(x, size);
            SetTextColour(x, colour);
        });
        placeXY("P3", "Img_P3");
        const QPoint p = readXY("StepTime");
        const int gap = num("StepTime_D");
        slider("Img_Fall", {}, 10, p, QPoint(gap + firstSize("Img_Fall1").width(), 0));
        for (int k = 1; k <= 6; ++k) {
            placeOption("Img_LED" + N(k), "lbl_LED" + N(k), readXY("LEDMode" + N(k)),
                        QPoint(-4, -2));
        }
        for (int k = 1; k <= 10; ++k) {
            placeSwatch("LEDColor" + N(k), "Img_Col" + N(k), "cs_Col" + N(k), "lbl_Col" + N(k));
        }
    }

    void list(const QString& key, const QString& control) {
        const QPoint p = readXY(key);
        const int h = num(key + "_H");
        const int wd = num(key + "_W");
        if (QWidget* x = w(control)) x->setGeometry(p.x(), p.y(), wd, h);
    }
    // Three delay options in a column H apart, their labels 2 to the left.
    void delayOptions(const QString& key, const QStringList& names) {
        const QPoint p = readXY(key);
        const int h = num(key + "_H");
        for (int i = 0; i < names.size(); ++i) {
            placeOption("Img_" + names[i], "IB_" + names[i], p + QPoint(0, i * h), QPoint(-2, 0));
        }
    }

    // The delay and insert groups: their own background and text colour.
    void groupColours(std::initializer_list<const char*> groups) {
        for (const char* group : groups) {
            QWidget* g = w(group);
            if (g == nullptr) continue;
            SetBackgroundColour(g, v_.colourFBack);
            ForEachPageText(g, [this](QWidget* x) { SetTextColour(x, v_.colourFFont); });
        }
    }

    void familyF() {
        QWidget* page = w("gbPage4");
        v_.sizeF = num("Size_F");
        v_.colourF = keys_.colour("Color_F");
        v_.colourFListBack = keys_.colour("Color_F_LBack");
        v_.colourFListBorder = keys_.colour("Color_F_LBorder");
        v_.colourFFont = keys_.colour("Color_F_Font");
        v_.colourFBack = keys_.colour("Color_F_Back");
        ForEachPageText(page, [this](QWidget* x) {
            SetFontSize(x, v_.sizeF);
            SetTextColour(x, v_.colourF);
        });
        for (const char* name :
             {"LB_PCMacroName", "LB_MacroName", "LB_macro", "LB_FireMacroName", "LB_FireMacro"}) {
            SetBoxColours(w(name), v_.colourF, v_.colourFListBack, v_.colourFListBorder);
        }
        groupColours({"Gb_Delay", "Gb_Insert"});
        for (const QString& name : kMacroListMenus) {
            QWidget* panel = w(name);
            if (panel == nullptr) continue;
            SetBackgroundColour(panel, v_.colourFBack);
            for (QObject* child : panel->children()) {
                if (auto* entry = qobject_cast<QWidget*>(child)) {
                    SetFontSize(entry, v_.sizeF);
                    SetTextColour(entry, v_.colourFFont);
                    SetBackgroundColour(entry, v_.colourFBack);
                }
            }
        }
        placeXY("P4", "Img_P4");
        v_.macroNameHeight = num("MacroNameHeight");
        list("PCMacroName", "LB_PCMacroName");
        list("MseMacroName", "LB_MacroName");
        list("MacroContent", "LB_macro");
        placePair("Img_New", "Btn_New", readXY("BtnNew"));
        placePair("Img_Start", "Btn_Start", readXY("BtnStart"));
        placeXY("DelayTime", "Gb_Delay");
        delayOptions("RecDelay", {"RecDelay", "DelayTime", "NoDelay"});
        placeXY("DelayEdit", "Edt_Delay");
        const QPoint insert = readXY("Insert");
        moveTo(w("Gb_Insert"), insert.x(), insert.y());
        if (QWidget* base = w("Img_InsertBase")) {
            // Inside the group it sits at (10, 10); beside it, 10 right and down of it.
            const QPoint at =
                base->parentWidget() == w("Gb_Insert") ? QPoint(10, 10) : insert + QPoint(10, 10);
            base->move(at);
        }
        placeXY("InsertList", "CB_Insert");
        delayOptions("InsertRecDelay", {"InsertRecDelay", "InsertDelayTime", "InsertNoDelay"});
        const QPoint delay = readXY("InsertDelayEdit");
        moveTo(w("Edt_InsertDelay"), delay.x(), delay.y());
        moveTo(w("lbl_Delay"), delay.x() - 74, delay.y() + 2);
        moveTo(w("lbl_s_A"), delay.x() + 44, delay.y() + 2);
        const QPoint axis = readXY("InsertAxisEdit");
        moveTo(w("edt_XAxisValue"), axis.x() - 80, axis.y());
        moveTo(w("lbl_XAxisValue"), axis.x() - 120, axis.y() + 2);
        moveTo(w("edt_YAxisValue"), axis.x(), axis.y());
        moveTo(w("lbl_YAxisValue"), axis.x() - 32, axis.y() + 2);
        moveTo(w("edt_Repeat"), axis.x(), axis.y());
        moveTo(w("lbl_Repeat"), axis.x() - 64, axis.y() + 2);
        placePair("Img_InsertStart", "Btn_InsertStart", readXY("InsertBtnStart"));
        placePair("Img_OK", "Btn_OK", readXY("InsertBtnOK"));
        placePair("Img_Cancel", "Btn_Cancel", readXY("InsertBtnCancel"));
    }

    void familyI() {
        QWidget* page = w("gbPage5");
        const int size = num("Size_I");
        const ColourRef colour = keys_.colour("Color_I");
        ForEachPageText(page, [&](QWidget* x) {
            SetFontSize(x, size);
            SetTextColour(x, colour);
        });
        SetFontSize(w("lbl_LoadBIN"), size + 2);
        placeXY("P5", "Img_P5");
        placeXY("lbl_BINPath", "lbl_BINPath");
        placeXY("lbl_LoadBin", "lbl_LoadBIN");
        placePair("Img_LoadBIN", "Btn_LoadBIN", readXY("Btn_LoadBin"));
        placePair("Img_Program", "Btn_Program", readXY("Btn_Program"));
        placeXY("Btn_WebLink", "Btn_WebLink");
    }

    void familyJ() {
        QWidget* page = w("gbPage6");
        v_.sizeJ = num("Size_J");
        const ColourRef font = keys_.colour("Color_J_Font");
        const ColourRef back = keys_.colour("Color_J_Back");
        const ColourRef border = keys_.colour("Color_J_Border");
        ForEachPageText(page, [&](QWidget* x) {
            SetFontSize(x, v_.sizeJ);
            SetTextColour(x, v_.colourF);
        });
        for (int k = 1; k <= 3; ++k) {
            for (const QString& edit :
                 {"Edt_FireCnt" + N(k), "Edt_FireX" + N(k), "Edt_FireX" + N(k) + "Offset",
                  "Edt_FireY" + N(k), "Edt_FireY" + N(k) + "Offset", "Edt_FireTime" + N(k)}) {
                SetBoxColours(w(edit), font, back, border);
            }
        }
        // The fire page's delay and insert boxes look like the macro page's.
        groupColours({"GB_FireDelay", "Gb_FireInsert"});
        SetFontSize(w("Btn_FireConfirm"), v_.sizeJ + 2);
        SetFontSize(w("Btn_FireExit"), v_.sizeJ + 2);
        placeXY("P6", "Img_P6");
        for (int k = 1; k <= 7; ++k) {
            placePair("Img_Fire" + N(k), "Btn_Fire" + N(k), readXY("Fire" + N(k)));
        }
        for (int k = 1; k <= 5; ++k) placeXY("GunMode" + N(k), "Img_GunMode" + N(k));
        placePair("Img_FireSelLeft", "lbl_FireSelLeft", readXY("IsHasLK"));
        for (int k = 1; k <= 3; ++k) {
            placeXY("FireCnt" + N(k), "Edt_FireCnt" + N(k));
            placeXY("FireX" + N(k), "Edt_FireX" + N(k));
            placeXY("FireX" + N(k) + "_Offset", "Edt_FireX" + N(k) + "Offset");
            placeXY("FireY" + N(k), "Edt_FireY" + N(k));
            placeXY("FireY" + N(k) + "_Offset", "Edt_FireY" + N(k) + "Offset");
            placeXY("FireTime" + N(k), "Edt_FireTime" + N(k));
            placeSwatch("FireColor" + N(k), "Img_FireColor" + N(k), "cs_FireColor" + N(k),
                        "IB_FireColor" + N(k));
        }
        placePair("Img_FireConfirm", "Btn_FireConfirm", readXY("FireConfirm"));
        placePair("Img_FireExit", "Btn_FireExit", readXY("FireCancel"));
    }

    Controls& c_;
    const ResourceStore& store_;
    const LayoutPassInput& input_;
    TableKeys keys_;
    LayoutValues v_;
};

}  // namespace

bool IsPageStripName(const QString& objectName) {
    static const QRegularExpression pattern(
        QStringLiteral("^(Btn|Img)_(%1)(_[1-9])?$")
            .arg((kFamilyA + kFamilyB + kStripOthers).join('|')));
    return pattern.match(objectName).hasMatch();
}

LayoutValues RunLayoutPass(Controls& controls, const ResourceStore& store,
                           const LayoutPassInput& input, StartupProblems& problems) {
    return LayoutPass(controls, store, input, problems).run();
}

void PlaceWebStrip(Controls& controls, const OrgOptions& options) {
    const auto pictures = controls.copies("Img_Web");
    const auto labels = controls.copies("Btn_Web");
    for (qsizetype i = 0; i < pictures.size(); ++i) pictures[i]->move(options.webX, options.webY);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QSize s = i < pictures.size() ? pictures[i]->size() : labels[i]->size();
        labels[i]->setGeometry(options.webX, options.webY, s.width(), s.height());
    }
}

}  // namespace shell
