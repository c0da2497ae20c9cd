#include "common/shell/TermTable.h"

#include <array>

namespace shell {

namespace {

struct Term {
    const char* english;
    const char8_t* simplifiedChinese;
};

// By identifier 0..143. The Traditional Chinese column is empty throughout.
constexpr std::array<Term, kTermCount> kTerms = {{
    {"Office Mode", u8"办公模式"},                                     // 0
    {"Gaming Mode", u8"游戏模式"},                                     // 1
    {"Profile3", u8"配置3"},                                           // 2
    {"Advanced", u8"高级设置"},                                        // 3
    {"Breathing Light", u8"呼吸灯"},                                   // 4
    {"Macro", u8"宏"},                                                 // 5
    {"Update", u8"升级"},                                              // 6
    {"Engineer Mode", u8"工程模式"},                                   // 7
    {"Load", u8"读取"},                                                // 8
    {"Save", u8"保存"},                                                // 9
    {"Default", u8"恢复默认"},                                         // 10
    {"Import Base Macro", u8"导入基础宏"},                             // 11
    {"Import Fire Macro", u8"导入射击宏"},                             // 12
    {"Load Patch Code", u8"载入补丁代码"},                             // 13
    {"LED Setting", u8"灯光设置"},                                     // 14
    {"LED Mode:", u8"灯光模式："},                                     // 15
    {"LED Type:", u8"灯光类型："},                                     // 16
    {"LED Number:", u8"灯珠数量："},                                   // 17
    {"RGB LED", u8"RGB 灯"},                                           // 18
    {"Sync LED", u8"同步灯"},                                          // 19
    {"ZK LED", u8"ZK 灯"},                                             // 20
    {"Off", u8"关闭"},                                                 // 21
    {"Random", u8"随机"},                                              // 22
    {"Sequence", u8"顺序"},                                            // 23
    {"Fixed", u8"固定"},                                               // 24
    {"Blend", u8"混色"},                                               // 25
    {"CPI Breath", u8"CPI 呼吸"},                                      // 26
    {"Sync Breath", u8"同步呼吸"},                                     // 27
    {"Sync No-breath", u8"同步常亮"},                                  // 28
    {"Random", u8"随机"},                                              // 29
    {"Blend", u8"混色"},                                               // 30
    {"Fixed", u8"固定"},                                               // 31
    {"CPI Breath", u8"CPI 呼吸"},                                      // 32
    {"LED Mode Select", u8"灯光模式选择"},                             // 33
    {"CPI", u8"CPI"},                                                  // 34
    {"CPI Steps:", u8"CPI 档数："},                                    // 35
    {"Current CPI:", u8"当前 CPI："},                                  // 36
    {"CPI 1:", u8"CPI 1："},                                           // 37
    {"CPI 2:", u8"CPI 2："},                                           // 38
    {"CPI 3:", u8"CPI 3："},                                           // 39
    {"CPI 4:", u8"CPI 4："},                                           // 40
    {"CPI 5:", u8"CPI 5："},                                           // 41
    {"CPI 6:", u8"CPI 6："},                                           // 42
    {"CPI 7:", u8"CPI 7："},                                           // 43
    {"CPI 8:", u8"CPI 8："},                                           // 44
    {"Fire Key", u8"连发键"},                                          // 45
    {"Fire Key 1:", u8"连发键 1："},                                   // 46
    {"Fire Key 2:", u8"连发键 2："},                                   // 47
    {"Fire Key 3:", u8"连发键 3："},                                   // 48
    {"Repeat", u8"重复次数"},                                          // 49
    {"Time (*1ms)", u8"时间（*1ms）"},                                 // 50
    {"Continue", u8"持续"},                                            // 51
    {"VID/PID/USB Description", u8"VID/PID/USB 描述"},                 // 52
    {"VID:", u8"VID："},                                               // 53
    {"(Hex)", u8"（十六进制）"},                                       // 54
    {"PID:", u8"PID："},                                               // 55
    {"(Hex)", u8"（十六进制）"},                                       // 56
    {"USB Description:", u8"USB 描述："},                              // 57
    {"LED Color", u8"灯光颜色"},                                       // 58
    {"Color1 R:", u8"颜色1 R："},                                      // 59
    {"Color1 G:", u8"颜色1 G："},                                      // 60
    {"Color1 B:", u8"颜色1 B："},                                      // 61
    {"Color2 R:", u8"颜色2 R："},                                      // 62
    {"Color2 G:", u8"颜色2 G："},                                      // 63
    {"Color2 B:", u8"颜色2 B："},                                      // 64
    {"Color3 R:", u8"颜色3 R："},                                      // 65
    {"Color3 G:", u8"颜色3 G："},                                      // 66
    {"Color3 B:", u8"颜色3 B："},                                      // 67
    {"Color4 R:", u8"颜色4 R："},                                      // 68
    {"Color4 G:", u8"颜色4 G："},                                      // 69
    {"Color4 B:", u8"颜色4 B："},                                      // 70
    {"Color5 R:", u8"颜色5 R："},                                      // 71
    {"Color5 G:", u8"颜色5 G："},                                      // 72
    {"Color5 B:", u8"颜色5 B："},                                      // 73
    {"Color6 R:", u8"颜色6 R："},                                      // 74
    {"Color6 G:", u8"颜色6 G："},                                      // 75
    {"Color6 B:", u8"颜色6 B："},                                      // 76
    {"Color7 R:", u8"颜色7 R："},                                      // 77
    {"Color7 G:", u8"颜色7 G："},                                      // 78
    {"Color7 B:", u8"颜色7 B："},                                      // 79
    {"Color8 R:", u8"颜色8 R："},                                      // 80
    {"Color8 G:", u8"颜色8 G："},                                      // 81
    {"Color8 B:", u8"颜色8 B："},                                      // 82
    {"Color9 R:", u8"颜色9 R："},                                      // 83
    {"Color9 G:", u8"颜色9 G："},                                      // 84
    {"Color9 B:", u8"颜色9 B："},                                      // 85
    {"Color10 R:", u8"颜色10 R："},                                    // 86
    {"Color10 G:", u8"颜色10 G："},                                    // 87
    {"Color10 B:", u8"颜色10 B："},                                    // 88
    {"CPI Color", u8"CPI 颜色"},                                       // 89
    {"LED Breath", u8"灯光呼吸"},                                      // 90
    {"LED Lower:", u8"灯光下限："},                                    // 91
    {"LED Upper:", u8"灯光上限："},                                    // 92
    {"Lower Delay:", u8"下限延时："},                                  // 93
    {"Upper Delay:", u8"上限延时："},                                  // 94
    {"Step Delay:", u8"步进延时："},                                   // 95
    {"Switch Mouse LED Mode:", u8"切换鼠标灯光模式："},                // 96
    {"No", u8"无"},                                                    // 97
    {"'Back'+'Right Key'", u8"“后退键”+“右键”"},                       // 98
    {"Switch Mouse Gaming Mode:", u8"切换鼠标游戏模式："},             // 99
    {"No", u8"无"},                                                    // 100
    {"Press 'Middle Key'", u8"按住“中键”"},                            // 101
    {"Press 'CPI Loop'", u8"按住“CPI 循环”"},                          // 102
    {"Press 'CPI +'", u8"按住“CPI +”"},                                // 103
    {"Press 'CPI -'", u8"按住“CPI -”"},                                // 104
    {"'Back'+'Right Key'", u8"“后退键”+“右键”"},                       // 105
    {"'Forward'+'Right Key'", u8"“前进键”+“右键”"},                    // 106
    {"Enable Gun Key Switch Gaimg Mode", u8"启用枪械键切换游戏模式"},  // 107
    {"AIM Key CPI:", u8"瞄准键 CPI："},                                // 108
    {"Button Effect Switch:", u8"按键效果切换："},                     // 109
    {"Off", u8"关闭"},                                                 // 110
    {"On", u8"开启"},                                                  // 111
    {"Office Mode Color:", u8"办公模式颜色："},                        // 112
    {"Gaming Mode Color:", u8"游戏模式颜色："},                        // 113
    {"Profile 3 Color:", u8"配置 3 颜色："},                           // 114
    {"Color 1", u8"颜色 1"},                                           // 115
    {"Color 2", u8"颜色 2"},                                           // 116
    {"Color 3", u8"颜色 3"},                                           // 117
    {"Color 4", u8"颜色 4"},                                           // 118
    {"Color 5", u8"颜色 5"},                                           // 119
    {"Color 6", u8"颜色 6"},                                           // 120
    {"Color 7", u8"颜色 7"},                                           // 121
    {"Color 8", u8"颜色 8"},                                           // 122
    {"Color 9", u8"颜色 9"},                                           // 123
    {"Color 10", u8"颜色 10"},                                         // 124
    {"Fixed Color", u8"固定颜色"},                                     // 125
    {"USB Report:", u8"USB 回报率："},                                 // 126
    {"Sensor Rotation:", u8"传感器旋转："},                            // 127
    {"Vendor ID:", u8"厂商 ID："},                                     // 128
    {"Product ID:", u8"产品 ID："},                                    // 129
    {"Current Profile:", u8"当前配置："},                              // 130
    {"Office Mode", u8"办公模式"},                                     // 131
    {"Gaming Mode", u8"游戏模式"},                                     // 132
    {"Profile 3", u8"配置 3"},                                         // 133
    {"Current Profile Color:", u8"当前配置颜色："},                    // 134
    {"CPI/Profile Test", u8"CPI/配置测试"},                            // 135
    {"Profile", u8"配置"},                                             // 136
    {"Fire Key X/Y Offset", u8"连发键 X/Y 偏移"},                      // 137
    {"Fire Key Setting", u8"连发键设置"},                              // 138
    {"Is Left Key in Fire Key:", u8"连发键是否包含左键："},            // 139
    {"Fire Key Start:", u8"连发键起始："},                             // 140
    {"Fire Key Number:", u8"连发键数量："},                            // 141
    {"New Fire Key", u8"新建连发键"},                                  // 142
    {"Delect Fire Key", u8"删除连发键"},                               // 143
}};

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (auto& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '-') c = '_';
    }
    return out;
}

}  // namespace

TermLanguage TermLanguageForLocale(std::string_view localeName) {
    // Only the PRC's Chinese picks the Chinese column; Taiwan, Hong Kong and
    // Traditional script stay English as the column for them is empty.
    std::string name = LowerAscii(localeName);
    auto dot = name.find_first_of(".@");
    if (dot != std::string::npos) name.resize(dot);
    if (name == "zh_cn" || name == "zh_hans_cn") return TermLanguage::SimplifiedChinese;
    return TermLanguage::English;
}

TermLanguage TermLanguageForLcid(unsigned lcid) {
    return lcid == 2052 ? TermLanguage::SimplifiedChinese : TermLanguage::English;
}

std::string TermText(int id, TermLanguage language) {
    if (id < 0 || id >= kTermCount) return {};
    const Term& term = kTerms[static_cast<size_t>(id)];
    switch (language) {
        case TermLanguage::English:
            return term.english;
        case TermLanguage::SimplifiedChinese:
            return std::string(reinterpret_cast<const char*>(term.simplifiedChinese));
        case TermLanguage::TraditionalChinese:
            return {};
    }
    return {};
}

}  // namespace shell
