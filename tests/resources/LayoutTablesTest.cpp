// The shipped option and layout tables: every key the passes read is there,
// nothing else is, and the values the window depends on are the intended ones.
#include <gtest/gtest.h>

#include <QFile>
#include <set>
#include <string>
#include <vector>

#include "common/shell/SettingsTable.h"
#include "resources/orvandesk/tables/TableNames.h"

namespace {

std::string resourceText(const char* path) {
    QFile f(QString::fromLatin1(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Keys as the reader sees them: key=value lines after the first section.
std::vector<std::string> keyLines(const std::string& text) {
    std::vector<std::string> keys;
    bool inSection = false;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos) continue;
        line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
        if (line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            inSection = true;
            continue;
        }
        const auto eq = line.find('=');
        if (!inSection || eq == std::string::npos) continue;
        std::string key = line.substr(0, eq);
        key = key.substr(0, key.find_last_not_of(" \t") + 1);
        keys.push_back(lower(key));
    }
    return keys;
}

// The keys of the thirteen families, built from their descriptions.
std::set<std::string> expectedLayoutKeys(bool withSpdD) {
    std::set<std::string> k;
    auto add = [&](const std::string& s) { k.insert(lower(s)); };
    auto xy = [&](const std::string& s) { add(s + "_X"), add(s + "_Y"); };
    auto en = [&](const std::string& s) { add(s + "_Enable"), xy(s); };
    auto rgb = [&](const std::string& s) { add(s + "_R"), add(s + "_G"), add(s + "_B"); };
    auto n = [](const char* f, int i) { return std::string(f) + std::to_string(i); };
    // A, B: buttons.
    add("Size_A"), rgb("Color_A");
    for (int i : {2, 3, 4, 5, 6, 7}) en(n("Btn_A", i));
    add("Size_B"), rgb("Color_B"), add("Btn_Space_F"), add("Btn_Space_B");
    for (int i = 1; i <= 12; ++i) en(n("Btn_B", i));
    // C: key page.
    add("Size_C"), rgb("Color_C"), xy("P1");
    for (int i = 1; i <= 12; ++i) en(n("Key", i));
    for (int i = 1; i <= 8; ++i) en(n("ComboKey", i));
    // G: menus.
    add("Size_G");
    for (const char* c : {"Color_G", "Color_G_Back", "Color_G_Border", "Color_G_SF", "Color_G_SP"})
        rgb(c);
    add("M_L_W"), add("SP_L_W"), add("O_L_W");
    // D: advanced page.
    add("Size_D");
    for (const char* c :
         {"Color_D_Selected", "Color_D_notSelected", "Color_D_Back", "Color_D_Border"})
        rgb(c);
    xy("P2");
    for (int i = 1; i <= 3; ++i) {
        xy(n("FK", i) + "Cnt"), xy(n("FK", i) + "Delay"), xy(n("FK", i) + "Continue");
    }
    for (int i = 1; i <= 4; ++i) xy(n("Rep", i));
    for (const char* s : {"Spd", "DbSpd", "ScrSpd"}) xy(s), add(std::string(s) + "_D");
    if (!withSpdD) k.erase("spd_d");
    xy("IsControl"), xy("IsScreen"), add("DPI_Orientation");
    for (int i = 1; i <= 8; ++i) {
        const std::string d = n("DPI", i);
        xy(d + "_Color"), xy(d + "_Check"), xy(d), xy(d + "_Value"), xy(d + "_Steps"),
            add(d + "_Steps_D");
    }
    xy("AIMDPI"), xy("AIMDPI_Value"), xy("AIMDPI_Steps"), add("AIMDPI_Steps_D");
    // E: lighting page.
    add("Size_E"), rgb("Color_E"), xy("P3"), xy("StepTime"), add("StepTime_D");
    for (int i = 1; i <= 6; ++i) xy(n("LEDMode", i));
    for (int i = 1; i <= 10; ++i) xy(n("LEDColor", i));
    // F: macro page.
    add("Size_F");
    for (const char* c :
         {"Color_F", "Color_F_LBack", "Color_F_LBorder", "Color_F_Font", "Color_F_Back"})
        rgb(c);
    xy("P4"), add("MacroNameHeight");
    for (const char* l : {"PCMacroName", "MseMacroName", "MacroContent"})
        xy(l), add(std::string(l) + "_H"), add(std::string(l) + "_W");
    for (const char* s :
         {"BtnNew", "BtnStart", "DelayTime", "DelayEdit", "Insert", "InsertList", "InsertDelayEdit",
          "InsertAxisEdit", "InsertBtnStart", "InsertBtnOK", "InsertBtnCancel"})
        xy(s);
    xy("RecDelay"), add("RecDelay_H"), xy("InsertRecDelay"), add("InsertRecDelay_H");
    // I: update page.
    add("Size_I"), rgb("Color_I"), xy("P5");
    for (const char* s :
         {"lbl_BINPath", "lbl_LoadBin", "Btn_LoadBin", "Btn_Program", "Btn_WebLink"})
        xy(s);
    // J: fire page.
    add("Size_J");
    for (const char* c : {"Color_J", "Color_J_Font", "Color_J_Back", "Color_J_Border"}) rgb(c);
    xy("P6");
    for (int i = 1; i <= 7; ++i) xy(n("Fire", i));
    for (int i = 1; i <= 5; ++i) xy(n("GunMode", i));
    xy("IsHasLK");
    for (int i = 1; i <= 3; ++i) {
        xy(n("FireCnt", i)), xy(n("FireX", i)), xy(n("FireX", i) + "_Offset"), xy(n("FireY", i));
        xy(n("FireY", i) + "_Offset"), xy(n("FireTime", i)), xy(n("FireColor", i));
    }
    xy("FireConfirm"), xy("FireCancel");
    // K, L, M: dialogs.
    add("Size_K"), rgb("Color_K"), rgb("Color_K_AK"), xy("AKT"), xy("AKC"), add("AKC_W");
    for (const char* s : {"MK_A", "MK_C", "MK_S", "MK_W", "AK_Cfm", "AK_Clear", "AK_Close"}) xy(s);
    add("Size_L"), rgb("Color_L"), rgb("Color_L_MN"), xy("MNT"), xy("MNC"), add("MNC_W");
    for (const char* s : {"MN_Cfm", "MN_Clear", "MN_Close"}) xy(s);
    add("Size_M"), rgb("Color_M"), rgb("Color_M_MN"), xy("NewX"), xy("NewY");
    xy("NewXVal"), add("NewXVal_W"), xy("NewYVal"), add("NewYVal_W");
    for (const char* s : {"NewXY_Cfm", "NewXY_Clear", "NewXY_Close"}) xy(s);
    return k;
}

struct Layout {
    std::string text;
    shell::SettingsTable table;
    std::string section;
    shell::StartupProblems problems;
    shell::TableKeys keys;
    explicit Layout(int n)
        : text(resourceText(n == 1   ? ":/res/ORG1"
                            : n == 2 ? ":/res/ORG2"
                                     : ":/res/ORG3")),
          table(shell::ParseSettingsTable(text)),
          section("org" + std::to_string(n)),
          keys(table, "ORG" + std::to_string(n), section, problems) {}
    int operator[](const std::string& key) const { return keys.number(key); }
};

TEST(LayoutTables, HoldExactlyTheKeysOfTheThirteenFamilies) {
    struct Case {
        int table;
        size_t distinct;
        bool spdD;
    };
    for (const Case c : {Case{1, 569, true}, Case{2, 569, true}, Case{3, 568, false}}) {
        SCOPED_TRACE("ORG" + std::to_string(c.table));
        const Layout l(c.table);
        ASSERT_FALSE(l.text.empty());
        EXPECT_TRUE(l.table.hasSection(l.section));
        const std::vector<std::string> lines = keyLines(l.text);
        const std::set<std::string> present(lines.begin(), lines.end());
        EXPECT_EQ(present.size(), c.distinct);
        const std::set<std::string> expected = expectedLayoutKeys(c.spdD);
        for (const std::string& k : expected) EXPECT_TRUE(present.count(k)) << "missing " << k;
        for (const std::string& k : present) EXPECT_TRUE(expected.count(k)) << "unknown " << k;
        // Every value is a number the layout pass can read.
        for (const std::string& k : present) (void)l[k];
        EXPECT_TRUE(l.problems.empty()) << l.problems.message();
    }
}

TEST(LayoutTables, SecondTableIsTheFirstUnderItsOwnSection) {
    std::string org1 = resourceText(":/res/ORG1");
    const std::string org2 = resourceText(":/res/ORG2");
    const auto at = org1.find("[org1]");
    ASSERT_NE(at, std::string::npos);
    org1.replace(at, 6, "[org2]");
    EXPECT_EQ(org1, org2);
}

TEST(LayoutTables, EdgeBorderGroupIsRepeatedAndTheLaterOneWins) {
    for (int n : {1, 2}) {
        const Layout l(n);
        const auto lines = keyLines(l.text);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "color_d_border_r"), 2);
        EXPECT_EQ(l.keys.colour("Color_D_Border"), 249u + 256u * 100u + 65536u * 1u);
    }
    const Layout l3(3);
    const auto lines3 = keyLines(l3.text);
    EXPECT_EQ(std::count(lines3.begin(), lines3.end(), "color_d_border_r"), 1);
    EXPECT_EQ(l3.keys.colour("Color_D_Border"), 45u + 256u * 114u + 65536u * 189u);
}

TEST(LayoutTables, StatedValues) {
    // key, value in ORG1 (and ORG2), value in ORG3
    struct V {
        const char* key;
        int org1;
        int org3;
    };
    const V values[] = {
        {"Size_A", 13, 11},
        {"Color_A_R", 255, 64},
        {"Color_A_G", 255, 196},
        {"Color_A_B", 255, 221},
        {"Btn_A2_Enable", 1, 1},
        {"Btn_A2_X", 340, 680},
        {"Btn_A2_Y", 620, 620},
        {"Btn_A3_Enable", 0, 0},
        {"Btn_A5_Enable", 0, 0},
        {"Btn_A4_Enable", 1, 1},
        {"Btn_A4_X", 980, 961},
        {"Btn_A4_Y", 10, 17},
        {"Btn_A6_Enable", 0, 0},
        {"Btn_A7_Enable", 1, 1},
        {"Btn_A7_X", 950, 920},
        {"Btn_A7_Y", 10, 17},
        {"Size_B", 13, 13},
        {"Btn_Space_F", 0, 0},
        {"Btn_Space_B", 0, 0},
        {"Btn_B1_Enable", 1, 1},
        {"Btn_B1_X", 100, 100},
        {"Btn_B1_Y", 90, 90},
        {"Btn_B2_Enable", 1, 1},
        {"Btn_B2_X", 210, 210},
        {"Btn_B2_Y", 90, 90},
        {"Btn_B3_Enable", 0, 0},
        {"Btn_B4_Enable", 1, 1},
        {"Btn_B4_X", 320, 320},
        {"Btn_B4_Y", 90, 90},
        {"Btn_B5_Enable", 0, 1},
        {"Btn_B11_Enable", 1, 1},
        {"Btn_B11_X", 430, 430},
        {"Btn_B11_Y", 90, 90},
        {"Btn_B12_Enable", 0, 1},
        {"Btn_B6_Enable", 1, 0},
        {"Btn_B6_X", 100, 100},
        {"Btn_B6_Y", 620, 620},
        {"Btn_B7_Enable", 1, 1},
        {"Btn_B7_X", 220, 220},
        {"Btn_B7_Y", 620, 620},
        {"Btn_B8_Enable", 1, 1},
        {"Btn_B8_X", 790, 790},
        {"Btn_B8_Y", 90, 90},
        {"Btn_B9_Enable", 1, 0},
        {"Btn_B9_X", 900, 900},
        {"Btn_B9_Y", 90, 90},
        {"Btn_B10_Enable", 0, 1},
        {"Size_C", 11, 11},
        {"Color_C_R", 255, 255},
        {"Color_C_G", 255, 255},
        {"Color_C_B", 255, 255},
        {"P1_X", 90, 90},
        {"P1_Y", 130, 130},
        {"Key6_Enable", 0, 0},
        {"Key11_Enable", 0, 0},
        {"Key12_Enable", 0, 0},
        {"Size_G", 10, 10},
        {"Color_G_SP_R", 1, 1},
        {"Color_G_SP_G", 83, 83},
        {"Color_G_SP_B", 133, 133},
        {"M_L_W", 190, 190},
        {"SP_L_W", 166, 166},
        {"O_L_W", 154, 154},
        {"Size_D", 9, 6},
        {"Color_D_Selected_R", 255, 255},
        {"Color_D_Selected_G", 0, 0},
        {"Color_D_Selected_B", 0, 0},
        {"Color_D_notSelected_R", 255, 255},
        {"Color_D_notSelected_G", 255, 255},
        {"Color_D_notSelected_B", 255, 255},
        {"P2_X", 98, 98},
        {"P2_Y", 128, 128},
        {"DPI_Orientation", 1, 1},
        {"Size_E", 9, 9},
        {"StepTime_D", 1, 1},
        {"Size_F", 9, 9},
        {"Color_F_LBack_R", 31, 31},
        {"Color_F_LBack_G", 31, 31},
        {"Color_F_LBack_B", 31, 31},
        {"MacroNameHeight", 20, 20},
        {"Size_I", 11, 11},
        {"Size_J", 9, 9},
    };
    const Layout l1(1), l2(2), l3(3);
    for (const V& v : values) {
        EXPECT_EQ(l1[v.key], v.org1) << v.key;
        EXPECT_EQ(l2[v.key], v.org1) << v.key;
        EXPECT_EQ(l3[v.key], v.org3) << v.key;
    }
    for (const Layout* l : {&l1, &l3}) {
        for (int k = 1; k <= 12; ++k) {
            const std::string key = "Key" + std::to_string(k);
            EXPECT_EQ((*l)[key + "_Enable"], (k == 6 || k == 11 || k == 12) ? 0 : 1) << key;
            EXPECT_EQ((*l)[key + "_X"], 140) << key;
            EXPECT_GE((*l)[key + "_Y"], 140) << key;
            EXPECT_LE((*l)[key + "_Y"], 428) << key;
        }
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ((*l)["ComboKey" + std::to_string(k) + "_Enable"], 0) << k;
    }
    EXPECT_TRUE(l1.problems.empty() && l3.problems.empty());
}

bool offWindow(int x, int y) {
    return x >= 1030 || y >= 662;
}

TEST(LayoutTables, HiddenRowsAreParkedFarOutsideTheWindow) {
    const Layout l1(1), l3(3);
    for (int n = 1; n <= 8; ++n) {
        const std::string d = "DPI" + std::to_string(n);
        EXPECT_EQ(l1[d + "_Color_X"], 2000) << d;
        EXPECT_FALSE(offWindow(l1[d + "_Steps_X"], l1[d + "_Steps_Y"])) << d;
        // Table 3 shows levels 1..5 with their swatches and parks 6..8.
        EXPECT_EQ(offWindow(l3[d + "_Steps_X"], l3[d + "_Steps_Y"]), n > 5) << d;
        EXPECT_EQ(offWindow(l3[d + "_Color_X"], l3[d + "_Color_Y"]), n > 5) << d;
    }
    for (const char* k : {"AIMDPI_Y", "AIMDPI_Value_Y", "AIMDPI_Steps_Y"})
        EXPECT_EQ(l1[k], 8352) << k;
    EXPECT_FALSE(offWindow(l3["AIMDPI_Steps_X"], l3["AIMDPI_Steps_Y"]));
    for (int i = 1; i <= 3; ++i) {
        for (const std::string& k :
             {"FireX" + std::to_string(i), "FireX" + std::to_string(i) + "_Offset"}) {
            EXPECT_TRUE(offWindow(l1[k + "_X"], l1[k + "_Y"])) << k;
            EXPECT_FALSE(offWindow(l3[k + "_X"], l3[k + "_Y"])) << k;
        }
    }
    // Parking places stay in the bands the tables have always used.
    for (const Layout* l : {&l1, &l3}) {
        for (const std::string& k : keyLines(l->text)) {
            const int v = (*l)[k];
            if (k.size() > 2 && k.ends_with("_x") && v >= 1030) {
                EXPECT_GE(v, 2000) << k;
                EXPECT_LE(v, 3730) << k;
            }
            if (k.size() > 2 && k.ends_with("_y") && v >= 662) {
                EXPECT_GE(v, 8184) << k;
                EXPECT_LE(v, 8440) << k;
            }
        }
    }
}

// Enabled window and page buttons must lie inside the window and never cover
// one another: all of them share every page.
TEST(LayoutTables, EnabledButtonsFitAndDoNotOverlap) {
    struct Element {
        const char* key;
        int w, h;
    };
    const Element elements[] = {{"Btn_A2", 110, 27},  {"Btn_A3", 110, 27}, {"Btn_A5", 110, 27},
                                {"Btn_A4", 18, 18},   {"Btn_A6", 110, 27}, {"Btn_A7", 18, 18},
                                {"Btn_B1", 100, 30},  {"Btn_B2", 100, 30}, {"Btn_B3", 100, 30},
                                {"Btn_B4", 100, 30},  {"Btn_B5", 100, 30}, {"Btn_B11", 100, 30},
                                {"Btn_B12", 100, 30}, {"Btn_B6", 100, 30}, {"Btn_B7", 100, 30},
                                {"Btn_B8", 100, 30},  {"Btn_B9", 100, 30}, {"Btn_B10", 100, 30}};
    for (int n : {1, 3}) {
        SCOPED_TRACE("ORG" + std::to_string(n));
        const Layout l(n);
        struct Box {
            std::string key;
            int x, y, w, h;
        };
        std::vector<Box> boxes;
        for (const Element& e : elements) {
            const std::string k = e.key;
            if (l[k + "_Enable"] == 1) boxes.push_back({k, l[k + "_X"], l[k + "_Y"], e.w, e.h});
        }
        for (int k = 1; k <= 12; ++k) {
            const std::string key = "Key" + std::to_string(k);
            if (l[key + "_Enable"] == 1)
                boxes.push_back({key, l[key + "_X"], l[key + "_Y"], 170, 27});
        }
        for (size_t i = 0; i < boxes.size(); ++i) {
            const Box& a = boxes[i];
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= 1030 && a.y + a.h <= 662) << a.key;
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                const Box& b = boxes[j];
                const bool apart =
                    a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
                EXPECT_TRUE(apart) << a.key << " covers " << b.key;
            }
        }
    }
}

// The page pictures print the words and bar slots under the controls, so every
// shown control of a page must lie on its page picture.
TEST(LayoutTables, PageControlsLieOnTheirPagePicture) {
    struct Page {
        const char* origin;
        int w, h;
    };
    const Page keys{"P1", 680, 380}, advanced{"P2", 800, 374}, lighting{"P3", 801, 375},
        macro{"P4", 800, 374}, fire{"P6", 720, 650};
    struct Control {
        std::string key;
        int w, h;
        const Page* page;
    };
    std::vector<Control> controls;
    for (int i = 1; i <= 8; ++i) {
        const std::string d = "DPI" + std::to_string(i);
        controls.push_back({d + "_Steps", 12 * 20, 18, &advanced});
        controls.push_back({d + "_Check", 16, 16, &advanced});
        controls.push_back({d + "_Value", 40, 18, &advanced});
    }
    for (const char* s : {"Spd", "DbSpd", "ScrSpd"})
        controls.push_back({s, 11 * 26, 34, &advanced});
    for (int i = 1; i <= 4; ++i) controls.push_back({"Rep" + std::to_string(i), 15, 15, &advanced});
    for (int i = 1; i <= 3; ++i) {
        const std::string f = "FK" + std::to_string(i);
        controls.push_back({f + "Cnt", 40, 20, &advanced});
        controls.push_back({f + "Delay", 50, 20, &advanced});
        controls.push_back({f + "Continue", 16, 16, &advanced});
    }
    controls.push_back({"IsControl", 16, 16, &advanced});
    controls.push_back({"IsScreen", 16, 16, &advanced});
    for (int i = 1; i <= 6; ++i)
        controls.push_back({"LEDMode" + std::to_string(i), 15, 15, &lighting});
    for (int i = 1; i <= 10; ++i)
        controls.push_back({"LEDColor" + std::to_string(i), 32, 40, &lighting});
    controls.push_back({"StepTime", 10 * 27, 18, &lighting});
    controls.push_back({"BtnNew", 110, 27, &macro});
    controls.push_back({"BtnStart", 110, 27, &macro});
    controls.push_back({"DelayTime", 207, 162, &macro});
    for (int i = 1; i <= 7; ++i) controls.push_back({"Fire" + std::to_string(i), 120, 56, &fire});
    for (int i = 1; i <= 3; ++i) {
        for (const char* f : {"FireCnt", "FireY", "FireTime"})
            controls.push_back({f + std::to_string(i), 80, 20, &fire});
        controls.push_back({"FireColor" + std::to_string(i), 32, 40, &fire});
    }
    controls.push_back({"FireConfirm", 110, 27, &fire});
    controls.push_back({"FireCancel", 110, 27, &fire});
    const Layout l(1);
    for (int k = 1; k <= 12; ++k) {
        const std::string key = "Key" + std::to_string(k);
        if (l[key + "_Enable"] == 1) controls.push_back({key, 170, 27, &keys});
    }
    auto inside = [&](int x, int y, int w, int h, const Page& p) {
        const int px = l[std::string(p.origin) + "_X"], py = l[std::string(p.origin) + "_Y"];
        return x >= px && y >= py && x + w <= px + p.w && y + h <= py + p.h;
    };
    for (const Control& c : controls) {
        const int x = l[c.key + "_X"], y = l[c.key + "_Y"];
        if (offWindow(x, y)) continue;  // parked, never shown
        EXPECT_TRUE(inside(x, y, c.w, c.h, *c.page)) << c.key;
    }
    for (const char* list : {"PCMacroName", "MseMacroName", "MacroContent"}) {
        const std::string k = list;
        EXPECT_TRUE(inside(l[k + "_X"], l[k + "_Y"], l[k + "_W"], l[k + "_H"], macro)) << k;
    }
    // The insert box picture lies 10 pixels in from its group's corner.
    EXPECT_TRUE(inside(l["Insert_X"] + 10, l["Insert_Y"] + 10, 207, 162, macro));
    EXPECT_TRUE(l.problems.empty()) << l.problems.message();
}

TEST(OptionTable, ShippedValues) {
    const std::string text = resourceText(std::string(orvandesk::res::kOptionTable).c_str());
    const shell::SettingsTable table = shell::ParseSettingsTable(text);
    shell::StartupProblems problems;
    const shell::TableKeys keys(table, "ORG", std::string(orvandesk::res::kOptionSection),
                                problems);
    struct V {
        const char* key;
        int value;
    };
    for (const V v :
         {V{"Web_Enable", 1}, V{"Web_X", 700}, V{"Web_Y", 3}, V{"Rev_Manu_ID", 0},
          V{"Rev_Pro_ID", 0}, V{"TR_Enable", 0}, V{"GD_Enable", 0}, V{"DPILED_Status", 1},
          V{"Gun6_Num", 2}, V{"Gun7_Num", 3}, V{"Num_Order", 0}, V{"ModeBCheckLeftKey", 1}})
        EXPECT_EQ(keys.number(v.key), v.value) << v.key;
    EXPECT_EQ(keys.text("Path"), "");
    const std::string web = keys.text("Web");
    EXPECT_TRUE(web.starts_with("https://")) << web;
    const auto lines = keyLines(text);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "num_order"), 2);
    EXPECT_TRUE(problems.empty()) << problems.message();
}

}  // namespace
