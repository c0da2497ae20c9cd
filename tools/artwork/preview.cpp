// artwork_preview: composes one page of the main window from the generated
// pictures, the layout table and a language table, the way the window lays
// them out, so the look can be judged before the window exists.
//   artwork_preview <pictures dir> <ORG> <ORGn> <LANGn.txt> <language> <page> <out.png>
// page: 1 keys, 2 advanced, 3 lighting, 4 macro (7 with the insert box),
// 5 update, 6 fire; 0 a sheet of the
// small pictures at twice their size.
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <cstdio>

#include "tools/artwork/LayoutTable.h"

namespace {

QString g_dir;
QHash<QString, QString> g_text;
artwork::LayoutTable g_t;
QString g_font = QStringLiteral("Calibri");

QImage pic(const QString& name) {
    QImage img(g_dir + "/" + name + ".png");
    if (img.isNull()) std::fprintf(stderr, "preview: no picture %s\n", qPrintable(name));
    return img;
}

QString str(const QString& id) {
    return g_text.value(id.toLower());
}

void loadLanguage(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    static const QRegularExpression entry(QStringLiteral("^\"([^=]+)=(.*)\"\\s*$"));
    for (const QByteArray& line : f.readAll().split('\n')) {
        const auto m = entry.match(QString::fromUtf8(line).trimmed());
        if (m.hasMatch())
            g_text.insert(m.captured(1).toLower(), m.captured(2).replace("\"\"", "\""));
    }
    if (g_text.contains("fontname")) g_font = g_text.value("fontname");
}

QColor colour(const QString& prefix) {
    return QColor(g_t.value(prefix + "_R"), g_t.value(prefix + "_G"), g_t.value(prefix + "_B"));
}

QFont font(int points) {
    QFont f(g_font);
    f.setPixelSize(points * 96 / 72);
    return f;
}

void label(QPainter& p, const QRect& r, const QString& s, int points, const QColor& c,
           int flags = Qt::AlignCenter) {
    p.setFont(font(points));
    p.setPen(c);
    p.drawText(r, flags, s);
}

// An image with its caption label of the same size over it.
void pair(QPainter& p, QPoint at, const QString& image, const QString& caption, int points,
          const QColor& c) {
    const QImage img = pic(image);
    p.drawImage(at, img);
    if (!caption.isEmpty()) label(p, QRect(at, img.size()), caption, points, c);
}

void edit(QPainter& p, QRect r, const QString& s, const QColor& back, const QColor& border,
          const QColor& ink, int points) {
    p.fillRect(r, back);
    p.setPen(border);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    label(p, r.adjusted(3, 0, -4, 0), s, points, ink, Qt::AlignRight | Qt::AlignVCenter);
}

QPoint at(const QString& k) {
    return QPoint(g_t.x(k), g_t.y(k));
}

void frame(QPainter& p, int language, int page) {
    const QString set = QStringLiteral("L%1_").arg(language);
    p.drawImage(0, 0, pic(set + "BackGround"));
    if (page == 6) return;
    struct B {
        const char* key;
        const char* image;
        const char* text;
        bool family_b;
    };
    const QString mainSel = page == 1 ? "SetS_03" : "SetS_01";
    const QString adv = page == 2 ? "SetS_03" : "SetS_01";
    const QString light = page == 3 ? "SetS_03" : "SetS_01";
    const QString macro = page == 4 ? "SetS_03" : "SetS_01";
    const std::vector<std::tuple<QString, QString, QString, bool>> buttons = {
        {"Btn_A2", "BtnS_01", "Str001", false},
        {"Btn_A3", "BtnS_01", "Str002", false},
        {"Btn_A5", "BtnS_01", "Str016", false},
        {"Btn_A4", "ExitS_01", "", false},
        {"Btn_A6", "BtnS_01", "Str003", false},
        {"Btn_A7", "MiniS_01", "", false},
        {"Btn_B1", mainSel, "Str004", true},
        {"Btn_B2", "SetS_01", "Str005", true},
        {"Btn_B3", "SetS_01", "Str006", true},
        {"Btn_B4", adv, "Str007", true},
        {"Btn_B5", light, "Str008", true},
        {"Btn_B11", macro, "Str014", true},
        {"Btn_B12", "SetS_01", "Str015", true},
        {"Btn_B6", "SetS_01", "Str009", true},
        {"Btn_B7", "SetS_01", "Str010", true},
        {"Btn_B8", language == 1 ? "SetS_03" : "SetS_01", "Str011", true},
        {"Btn_B9", language == 2 ? "SetS_03" : "SetS_01", "Str012", true},
        {"Btn_B10", language == 3 ? "SetS_03" : "SetS_01", "Str013", true}};
    for (const auto& [key, image, text, familyB] : buttons) {
        if (g_t.value(key + "_Enable") != 1) continue;
        const QString fam = familyB ? "B" : "A";
        pair(p, at(key), image, text.isEmpty() ? QString() : str(text), g_t.value("Size_" + fam),
             colour("Color_" + fam));
    }
}

void keyPage(QPainter& p, int language) {
    p.drawImage(at("P1"), pic(QStringLiteral("L%1_Back1").arg(language)));
    static const int control[12] = {1, 4, 7, 2, 5, 8, 3, 6, 9, 10, 11, 12};
    // The functions the default image gives buttons 1..12 in Mode A.
    static const char* function[13] = {"",       "Str210", "Str213", "Str222", "Str211",
                                       "Str214", "Str221", "Str212", "Str264", "Str223",
                                       "Str262", "Str277", "Str277"};
    for (int e = 1; e <= 12; ++e) {
        const QString k = QStringLiteral("Key%1").arg(e);
        if (g_t.value(k + "_Enable") != 1) continue;
        pair(p, at(k), e == 4 ? "KeyS_02" : "KeyS_01", str(function[control[e - 1]]),
             g_t.value("Size_C"), colour("Color_C"));
    }
}

void slider(QPainter& p, QPoint origin, int count, int chosen, const QString& on,
            const QString& off, int gap, bool numbers, int points, const QColor& c) {
    const QImage knob = pic(on), empty = pic(off);
    for (int i = 0; i < count; ++i) {
        const QPoint pos = origin + QPoint(i * (knob.width() + gap), 0);
        p.drawImage(pos, i + 1 == chosen ? knob : empty);
        if (numbers)
            label(p, QRect(pos + QPoint(4, 20), QSize(18, 14)), QString::number(i + 1), points, c);
    }
}

void advancedPage(QPainter& p, int language) {
    p.drawImage(at("P2"), pic(QStringLiteral("L%1_Back2").arg(language)));
    const int size = g_t.value("Size_D");
    const QColor ink = colour("Color_D_notSelected");
    const int values[8] = {1, 3, 5, 7, 9, 10, 11, 11};
    for (int n = 1; n <= 8; ++n) {
        const QString k = QStringLiteral("DPI%1").arg(n);
        p.drawImage(at(k + "_Check"), pic(n == 2 ? "CbS_E" : "CbS_D"));
        label(p, QRect(at(k), QSize(56, 18)), k, size + 1,
              n <= 5 ? colour("Color_D_Selected") : ink, Qt::AlignLeft | Qt::AlignVCenter);
        slider(p, at(k + "_Steps"), 12, values[n - 1] + 1, "Bar2_E", "Bar2_D",
               g_t.value(k + "_Steps_D"), false, size, ink);
        label(p, QRect(at(k + "_Value"), QSize(46, 18)),
              str(QStringLiteral("Str3%1").arg(values[n - 1], 2, 10, QChar('0'))), size, ink,
              Qt::AlignLeft | Qt::AlignVCenter);
    }
    slider(p, at("Spd"), 11, 6, "Bar1_E", "Bar1_D", 0, true, size, ink);
    slider(p, at("DbSpd"), 11, 5, "Bar1_E", "Bar1_D", 0, true, size, ink);
    slider(p, at("ScrSpd"), 11, 3, "Bar1_E", "Bar1_D", 0, true, size, ink);
    p.drawImage(at("IsControl"), pic("CbS_E"));
    p.drawImage(at("IsScreen"), pic("CbS_D"));
    for (int i = 1; i <= 4; ++i)
        p.drawImage(at(QStringLiteral("Rep%1").arg(i)), pic(i == 4 ? "RdS_E" : "RdS_D"));
    const char* counts[3] = {"2", "4", "8"};
    const char* delays[3] = {"60", "120", "200"};
    for (int i = 0; i < 3; ++i) {
        const QString k = QStringLiteral("FK%1").arg(i + 1);
        edit(p, QRect(at(k + "Cnt"), QSize(40, 20)), counts[i], colour("Color_D_Back"),
             colour("Color_D_Border"), ink, size);
        edit(p, QRect(at(k + "Delay"), QSize(50, 20)), delays[i], colour("Color_D_Back"),
             colour("Color_D_Border"), ink, size);
        p.drawImage(at(k + "Continue"), pic(i == 1 ? "CbS_E" : "CbS_D"));
    }
}

void lightingPage(QPainter& p, int language) {
    p.drawImage(at("P3"), pic(QStringLiteral("L%1_Back3").arg(language)));
    for (int i = 1; i <= 6; ++i)
        p.drawImage(at(QStringLiteral("LEDMode%1").arg(i)), pic(i == 5 ? "RdS_E" : "RdS_D"));
    slider(p, at("StepTime"), 10, 4, "Bar1_E", "Bar1_D", g_t.value("StepTime_D"), false, 9,
           Qt::white);
    const QColor table[10] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},   {255, 255, 0},
                              {0, 255, 255}, {255, 0, 255}, {255, 128, 0}, {255, 255, 255},
                              {128, 0, 255}, {0, 128, 255}};
    for (int i = 1; i <= 10; ++i) {
        const QPoint pos = at(QStringLiteral("LEDColor%1").arg(i));
        p.fillRect(QRect(pos, QSize(32, 40)), table[i - 1]);
        p.drawImage(pos, pic("Col_F"));
    }
}

void list(QPainter& p, const QString& key, const QStringList& rows, int selected) {
    const QRect r(at(key), QSize(g_t.value(key + "_W"), g_t.value(key + "_H")));
    p.fillRect(r, colour("Color_F_LBack"));
    p.setPen(colour("Color_F_LBorder"));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const int h = g_t.value("MacroNameHeight");
    for (int i = 0; i < rows.size() && (i + 1) * h <= r.height(); ++i) {
        const QRect row(r.left() + 1, r.top() + 1 + i * h, r.width() - 2, h);
        if (i == selected) p.fillRect(row, colour("Color_G_SP"));
        label(p, row.adjusted(6, 0, 0, 0), rows[i], g_t.value("Size_F"), colour("Color_F"),
              Qt::AlignLeft | Qt::AlignVCenter);
    }
}

// The insert box as it looks while inserting recorded keys.
void insertBox(QPainter& p) {
    const QPoint g = at("Insert");
    const int size = g_t.value("Size_F");
    p.drawImage(g + QPoint(10, 10), pic("InsertKeyBase"));
    const QRect combo(g + at("InsertList"), QSize(177, 22));
    edit(p, combo, QString(), colour("Color_F_LBack"), colour("Color_F_LBorder"),
         colour("Color_F_Font"), size);
    label(p, combo.adjusted(6, 0, -20, 0), str("Str412"), size, colour("Color_F_Font"),
          Qt::AlignLeft | Qt::AlignVCenter);
    label(p, QRect(combo.right() - 18, combo.top(), 16, 22), QStringLiteral("▾"), size,
          colour("Color_F_Font"));
    for (int i = 0; i < 3; ++i) {
        const QPoint o = g + at("InsertRecDelay") + QPoint(0, i * g_t.value("InsertRecDelay_H"));
        p.drawImage(o, pic(i == 0 ? "RdS_E" : "RdS_D"));
        label(p, QRect(o + QPoint(20, -2), QSize(140, 19)),
              str(QStringLiteral("Str41%1").arg(4 + i)), size, colour("Color_F_Font"),
              Qt::AlignLeft | Qt::AlignVCenter);
    }
    pair(p, g + at("InsertBtnStart"), "MacroS_01", str("Str400"), size, colour("Color_F"));
    pair(p, g + at("InsertBtnOK"), "MacroBtnS_01", str("Str420"), size, colour("Color_F"));
    pair(p, g + at("InsertBtnCancel"), "MacroBtnS_02", str("Str422"), size, colour("Color_F"));
}

void macroPage(QPainter& p, int language, bool inserting) {
    p.drawImage(at("P4"), pic(QStringLiteral("L%1_Back4").arg(language)));
    list(p, "PCMacroName", {"Reload", "Burst 3", "Build wall", "Chat GG", "Crouch jump"}, 1);
    list(
        p, "MacroContent",
        {"Left Key down", "50 ms", "Left Key up", "50 ms", "Left Key down", "50 ms", "Left Key up"},
        -1);
    list(p, "MseMacroName", {"Burst 3", "Reload"}, -1);
    const int size = g_t.value("Size_F");
    pair(p, at("BtnNew"), "MacroS_01", str("Str432"), size, colour("Color_F"));
    pair(p, at("BtnStart"), "MacroS_02", str("Str400"), size, colour("Color_F"));
    if (inserting) {
        insertBox(p);
        return;
    }
    const QPoint g = at("DelayTime");
    for (int i = 0; i < 3; ++i) {
        const QPoint o = g + QPoint(g_t.value("RecDelay_X"),
                                    g_t.value("RecDelay_Y") + i * g_t.value("RecDelay_H"));
        p.drawImage(o, pic(i == 0 ? "RdS_E" : "RdS_D"));
        label(p, QRect(o + QPoint(20, -2), QSize(120, 19)),
              str(QStringLiteral("Str41%1").arg(4 + i)), size, colour("Color_F_Font"),
              Qt::AlignLeft | Qt::AlignVCenter);
    }
    edit(p, QRect(g + at("DelayEdit"), QSize(44, 20)), "50", colour("Color_F_LBack"),
         colour("Color_F_LBorder"), colour("Color_F_Font"), size);
}

void updatePage(QPainter& p) {
    p.drawImage(at("P5"), pic("Update"));
    const int size = g_t.value("Size_I");
    const QColor ink = colour("Color_I");
    label(p, QRect(at("lbl_BINPath"), QSize(300, 20)), str("Str442"), size, ink,
          Qt::AlignLeft | Qt::AlignVCenter);
    label(p, QRect(at("lbl_LoadBin"), QSize(380, 20)), "/home/user/patch-v2.bin", size + 2, ink,
          Qt::AlignLeft | Qt::AlignVCenter);
    pair(p, at("Btn_LoadBin"), "KeyS_01", str("Str440"), size, ink);
    pair(p, at("Btn_Program"), "KeyS_02", str("Str441"), size, ink);
    label(p, QRect(at("Btn_WebLink"), QSize(300, 20)), "https://example.com/gaming-mouse", size,
          QColor(249, 100, 1), Qt::AlignLeft | Qt::AlignVCenter);
}

void firePage(QPainter& p) {
    p.drawImage(at("P6"), pic("L1_Back5"));
    const int size = g_t.value("Size_J");
    for (int i = 1; i <= 7; ++i)
        p.drawImage(at(QStringLiteral("Fire%1").arg(i)),
                    pic(QStringLiteral("Gun%1_0%2").arg(i).arg(i == 7 ? 2 : 1)));
    for (int i = 3; i <= 5; ++i)
        p.drawImage(at(QStringLiteral("GunMode%1").arg(i)),
                    pic(QStringLiteral("GunMode%1").arg(i)));
    const char* rows[] = {"FireCnt", "FireY", "FireTime"};
    const char* offset[] = {"FireY%1_Offset"};
    for (int c = 1; c <= 3; ++c) {
        for (const char* r : rows)
            edit(p, QRect(at(QString::fromLatin1(r) + QString::number(c)), QSize(80, 20)), "12",
                 colour("Color_J_Back"), colour("Color_J_Border"), colour("Color_J_Font"), size);
        edit(p, QRect(at(QString::fromLatin1(offset[0]).arg(c)), QSize(80, 20)), "0",
             colour("Color_J_Back"), colour("Color_J_Border"), colour("Color_J_Font"), size);
        const QPoint sw = at(QStringLiteral("FireColor%1").arg(c));
        p.fillRect(QRect(sw, QSize(32, 40)), QColor(40 * c, 200, 255 - 60 * c));
        p.drawImage(sw, pic("Col_F"));
    }
    p.drawImage(at("IsHasLK"), pic("CbS_E"));
    label(p, QRect(at("IsHasLK") + QPoint(22, -2), QSize(260, 20)),
          "Is Fire Mode has a 'Left Key'?", size, colour("Color_F"),
          Qt::AlignLeft | Qt::AlignVCenter);
    pair(p, at("FireConfirm"), "BtnS_01", str("Str620"), size + 2, colour("Color_F"));
    pair(p, at("FireCancel"), "BtnS_01", str("Str621"), size + 2, colour("Color_F"));
}

QImage contactSheet() {
    const QStringList rows[] = {
        {"SetS_01", "SetS_02", "SetS_03", "BtnS_01", "BtnS_02", "BtnS_03"},
        {"MacroS_01", "MacroS_02", "MacroS_03", "MacroBtnS_01", "MacroBtnS_02", "MacroBtnS_03"},
        {"KeyS_01", "KeyS_02", "ExitS_01", "ExitS_02", "ExitS_03", "MiniS_01", "MiniS_02", "CbS_D",
         "CbS_E", "RdS_D", "RdS_E", "Bar1_E", "Bar2_E", "Col_F"},
        {"WebS_02", "WebS_03", "GunMode1", "GunMode2", "GunMode5"},
        {"Gun1_01", "Gun2_01", "Gun3_01", "Gun4_01", "Gun5_01"},
        {"Gun6_01", "Gun7_01", "Gun1_02", "Gun6_02", "Gun7_02"},
        {"InsertKeyBase", "InsertXYBase", "InsertDelayBase", "AppIcon"}};
    QImage out(1100, 1100, QImage::Format_ARGB32_Premultiplied);
    out.fill(QColor(16, 16, 16));
    QPainter p(&out);
    p.scale(2, 2);
    int y = 6;
    for (const QStringList& row : rows) {
        int x = 6, h = 0;
        for (const QString& n : row) {
            QImage img = pic(n);
            if (n == "AppIcon")
                img = img.scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            p.drawImage(x, y, img);
            x += img.width() + 6;
            h = std::max(h, img.height());
        }
        y += h + 8;
    }
    p.end();
    return out.copy(0, 0, 1100, std::min(1100, y * 2 + 12));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 8) {
        std::fprintf(stderr,
                     "usage: artwork_preview <pictures> <ORG> <ORGn> <LANGn.txt> <language> <page> "
                     "<out.png>\n");
        return 1;
    }
    g_dir = QString::fromLocal8Bit(argv[1]);
    const int language = QByteArray(argv[5]).toInt();
    const int page = QByteArray(argv[6]).toInt();
    artwork::LayoutTable org;
    if (!org.load(QString::fromLocal8Bit(argv[2]), "org") ||
        !g_t.load(QString::fromLocal8Bit(argv[3]), QStringLiteral("org%1").arg(language))) {
        std::fprintf(stderr, "preview: cannot read the tables\n");
        return 1;
    }
    loadLanguage(QString::fromLocal8Bit(argv[4]));

    if (page == 0) return contactSheet().save(QString::fromLocal8Bit(argv[7]), "PNG") ? 0 : 1;
    QImage bg = pic(QStringLiteral("L%1_BackGround").arg(language));
    QImage out(bg.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::TextAntialiasing);
    frame(p, language, page);
    switch (page) {
        case 1:
            keyPage(p, language);
            break;
        case 2:
            advancedPage(p, language);
            break;
        case 3:
            lightingPage(p, language);
            break;
        case 4:
        case 7:
            macroPage(p, language, page == 7);
            break;
        case 5:
            updatePage(p);
            break;
        case 6:
            firePage(p);
            break;
        default:
            break;
    }
    if (page != 6) p.drawImage(QPoint(org.x("Web"), org.y("Web")), pic("WebS_01"));
    p.end();
    return out.save(QString::fromLocal8Bit(argv[7]), "PNG") ? 0 : 1;
}
