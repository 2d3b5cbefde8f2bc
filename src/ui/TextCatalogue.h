// The interface texts in three languages: the 91 rows of the main window's catalogue and the
// few texts each secondary dialog keeps for itself.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ui/Language.h"
#include "ui/TextRows.h"

namespace tarvik {

struct TextRow3 {
    std::string_view en;
    std::string_view chs;
    std::string_view cht;

    constexpr std::string_view in(LanguageId language) const {
        switch (language) {
        case LanguageId::CHS: return chs;
        case LanguageId::CHT: return cht;
        case LanguageId::EN: break;
        }
        return en;
    }
};

// Row 52, the same in every language.
// The web link opens Tarvik's own help page, the README the package installs; the build
// passes its installed location.
#ifndef TARVIK_HELP_PAGE
#define TARVIK_HELP_PAGE "file:///usr/share/doc/tarvik/README.md"
#endif
inline constexpr std::string_view kMakerWebAddress = TARVIK_HELP_PAGE;

constexpr std::size_t kCatalogueRows = 91;

// Row n of the catalogue is element n - 1. The English texts of rows 57-60 end with a blank.
inline constexpr std::array<TextRow3, kCatalogueRows> kCatalogue = {{
    {"Basic Settings", "基本设置", "基本設置"},                                                               // 1
    {"Advanced Settings", "高级设置", "高級設置"},                                                            // 2
    {"Color Setting", "颜色设置", "顏色設置"},                                                                // 3
    {"OK", "确定", "確定"},                                                                                   // 4
    {"Apply", "应用", "應用"},                                                                                // 5
    {"Cancel", "取消", "取消"},                                                                               // 6
    {"Key Setting", "按键设置", "按鍵設置"},                                                                  // 7
    {"Report Rate Setting", "报告率设置", "報告率設置"},                                                      // 8
    {"DPI Setting", "DPI设置", "DPI設置"},                                                                    // 9
    {"Default", "按键恢复", "按鍵恢復"},                                                                      // 10
    {"Key Configuration 1", "按键配置1", "按鍵配置1"},                                                        // 11
    {"Key Configuration 2", "按键配置2", "按鍵配置2"},                                                        // 12
    {"Key Configuration 3", "按键配置3", "按鍵配置3"},                                                        // 13
    {"Key Configuration 4", "按键配置4", "按鍵配置4"},                                                        // 14
    {"Auxiliary LED Setting", "辅灯设置", "輔燈設置"},                                                        // 15
    {"As Respiration LED", "设为呼吸灯", "設為呼吸燈"},                                                       // 16
    {"As Heart Beat LED", "设为心跳灯", "設為心跳燈"},                                                        // 17
    {"As Key Group Switch LED", "设为按键组切换灯", "設為按鍵群組切換燈"},                                    // 18
    {"DPI Effect", "DPI显示特效", "DPI顯示特效"},                                                             // 19
    {"Mode", "模式", "模式"},                                                                                 // 20
    {"Parameter", "参数", "參數"},                                                                            // 21
    {"Speed", "速度:请调整灯光显示速度", "速度"},                                                             // 22
    {"Brightness", "亮度:请调整灯光显示亮度", "亮度"},                                                        // 23
    {"Effect", "效果", "效果"},                                                                               // 24
    {"Off", "关闭模式", "關閉模式"},                                                                          // 25
    {"Standard", "标准模式", "標準模式"},                                                                     // 26
    {"Respiration", "呼吸模式", "呼吸模式"},                                                                  // 27
    {"Neon", "霓虹模式", "霓虹模式"},                                                                         // 28
    {"Non-Disolay", "关闭", "關閉"},                                                                          // 29
    {"RGB Effect", "RGB效果", "RGB效果"},                                                                     // 30
    {"RGB Flash", "RGB闪烁", "RGB閃爍"},                                                                      // 31
    {"RGB Fixed On", "RGB常亮", "RGB常亮"},                                                                   // 32
    {"Left Click", "左键", "左鍵"},                                                                           // 33
    {"Right Click", "右键", "右鍵"},                                                                          // 34
    {"Mid Click", "中键", "中鍵"},                                                                            // 35
    {"Forward", "前进方向键", "前進方向鍵"},                                                                  // 36
    {"Backward", "后退方向键", "後退方向鍵"},                                                                 // 37
    {"Triple-click", "三连发", "三連發"},                                                                     // 38
    {"DPI Switch", "DPI切换", "DPI切換"},                                                                     // 39
    {"Report Rate Switch", "报告率切换", "報告率切換"},                                                       // 40
    {"Shift", "Shift", "Shift"},                                                                              // 41
    {"RGB On/Off", "RGB打开/关闭", "RGB打開/關閉"},                                                           // 42
    {"Windows", "Windows", "Windows"},                                                                        // 43
    {"Multimedia", "多媒体", "多媒體"},                                                                       // 44
    {"-Play/Pause", "-播放/暂停", "-播放/暫停"},                                                              // 45
    {"Fire Key", "火力键", "火力鍵"},                                                                         // 46
    {"Single Key", "单键", "單鍵"},                                                                           // 47
    {"Combo Key", "组合键", "複合鍵"},                                                                        // 48
    {"Macro Key", "宏", "巨集"},                                                                              // 49
    {"Key Off", "按键关闭", "按鍵關閉"},                                                                      // 50
    {"Left key must be selected!", "左键功能必须选择！", "左鍵功能必須選擇！"},                               // 51
    {kMakerWebAddress, kMakerWebAddress, kMakerWebAddress},                                                   // 52
    {"Switch report rate into 1000HZ", "报告率切换到1000HZ", "報告率切換到1000HZ"},                           // 53
    {"Switch report rate into 500HZ", "报告率切换到500HZ", "報告率切換到500HZ"},                              // 54
    {"Switch report rate into 250HZ", "报告率切换到250HZ", "報告率切換到250HZ"},                              // 55
    {"Switch report rate into 125HZ", "报告率切换到125HZ", "報告率切換到125HZ"},                              // 56
    {"Switch DPI into the first stage ", "DPI切换到第一段", "DPI切換到第一段"},                               // 57
    {"Switch DPI into the second stage ", "DPI切换到第二段", "DPI切換到第二段"},                              // 58
    {"Switch DPI into the third stage ", "DPI切换到第三段", "DPI切換到第三段"},                               // 59
    {"Switch DPI into the fourth stage ", "DPI切换到第四段", "DPI切換到第四段"},                              // 60
    {"Switch to key matrix 1", "切换到按键组1", "切換到按鍵群組1"},                                           // 61
    {"Switch to key matrix 2", "切换到按键组2", "切換到按鍵群組2"},                                           // 62
    {"Switch to key matrix 3", "切换到按键组3", "切換到按鍵群組3"},                                           // 63
    {"Switch to key matrix 4", "切换到按键组4", "切換到按鍵群組4"},                                           // 64
    {"Switch to macro key", "切换到宏", "切換到巨集"},                                                        // 65
    {"Exit", "退出", "退出"},                                                                                 // 66
    {"The system did not detect the gaming mouse!", "系统没有检测到游戏鼠标！", "系統沒有檢測到遊戲滑鼠！"},  // 67
    {"The system detect the gaming mouse.", "系统检测到游戏鼠标。", "系統檢測到遊戲滑鼠。"},                  // 68
    {"Mouse Speed", "鼠标移动速度", "滑鼠移動速度"},                                                          // 69
    {"Scrolling Speed", "鼠标滚动速度", "滑鼠滾動速度"},                                                      // 70
    {"Double-Click Speed", "鼠标双击速度", "滑鼠雙擊速度"},                                                   // 71
    {"Macro Setting", "宏设置", "巨集設置"},                                                                  // 72
    {"Select Macro", "选择宏", "選擇巨集"},                                                                   // 73
    {"Key Press Sequence", "按键序列", "按鍵序列"},                                                           // 74
    {"Record Option", "录制选项", "錄製選項"},                                                                // 75
    {"Enhance Pointer Precision", "提高指针准确度", "提高指針準確度"},                                        // 76
    {"Scroll One Screen", "一次滚动一个屏幕", "一次滾動一個螢幕"},                                            // 77
    {"Default", "恢复默认", "恢復默認"},                                                                      // 78
    {"Macro Name", "宏名称", "巨集名稱"},                                                                     // 79
    {"Start Recording", "开始录制", "開始錄製"},                                                              // 80
    {"Stop Recording", "停止录制", "停止錄製"},                                                               // 81
    {"Loop Times", "循环次数", "迴圈次數"},                                                                   // 82
    {"Insert A Mouse Event", "插入一个鼠标事件", "插入一個滑鼠事件"},                                         // 83
    {"New", "新建", "新建"},                                                                                  // 84
    {"Delete", "删除", "刪除"},                                                                               // 85
    {"Confirm", "确认", "確認"},                                                                              // 86
    {"Macro name is blank", "宏名称为空", "巨集名稱為空"},                                                    // 87
    {"Macro name already exists", "宏名称已经存在", "巨集名稱已經存在"},                                      // 88
    {"Press Ctrl+Break key to stop recording", "按Ctrl+Break可以停止录制", "按Ctrl+Break可以停止錄製"},       // 89
    {"It doesn’t start recording, unnecessary to press Stop key!", "没有开始录制,点击停止录制按钮没有意义！",
     "沒有開始錄製，點擊停止錄製按鈕沒有意義！"},  // 90
    {"Setting-EN", "Setting-CHS", "Setting-CHT"},  // 91
}};

namespace detail {
// Not constexpr: reaching it while evaluating catalogueRow at compile time stops the build.
void catalogueNameIsUnknownOrAmbiguous();
}  // namespace detail

// The row whose English text is `english`, for tables that hold English labels. Used at compile
// time, an unknown text or one that two rows share ("Default" is rows 10 and 78) does not compile.
constexpr TextRow catalogueRow(std::string_view english) {
    int found = 0;
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (kCatalogue[i].en == english) {
            if (found != 0) {
                detail::catalogueNameIsUnknownOrAmbiguous();
            }
            found = static_cast<int>(i) + 1;
        }
    }
    if (found == 0) {
        detail::catalogueNameIsUnknownOrAmbiguous();
    }
    return static_cast<TextRow>(found);
}

// Every row in the language of the run, filled once at start-up.
class TextCatalogue {
public:
    explicit TextCatalogue(LanguageId language);
    LanguageId language() const { return language_; }
    // Empty text for a row number outside 1-91.
    std::string_view text(TextRow row) const;
    // The "str.ini" section that holds the button captions of this language.
    std::string_view captionSection() const { return text(TextRow::CaptionSection); }

private:
    LanguageId language_;
    std::array<std::string_view, kCatalogueRows> texts_{};
};

TextCatalogue ApplyCatalogue(LanguageId language);

// The texts of the secondary dialogs (key capture, fire key, macro choice, delay, skins) and
// the main window's notes where the Basic page stands while the mouse cannot be used.
enum class DialogText {
    Ok,
    Cancel,
    SingleKeyPrompt,
    FireSpeedLabel,
    FireCountLabel,
    FireNotesHeading,
    FireSpeedNote,
    FireCountNote,
    MacroPrompt,
    RepeatUntilCountOrKey,  // repeat mode 1
    RepeatUntilKey,         // repeat mode 2
    RepeatWhileHeld,        // repeat mode 3
    DelayPrompt,
    DelayRange,
    SkinsPrompt,
    NoMouseNote,
    MouseNotOpenableNote,
    // Appended for the desktop port; %1 is the control's caption.
    ControlUnavailable,
    HelpPageMissing,  // %1 is the place looked at
    HelpLinkLabel,
};

struct DialogTextRow {
    DialogText id;
    std::string_view en;
    std::string_view chs;
    std::string_view cht;
};

inline constexpr std::array kDialogTexts = {
    DialogTextRow{DialogText::Ok, "OK", "确定", "確定"},
    DialogTextRow{DialogText::Cancel, "Cancel", "取消", "取消"},
    DialogTextRow{DialogText::SingleKeyPrompt, "Please enter a key", "请输入一个按键", "請輸入一個按鍵"},
    DialogTextRow{DialogText::FireSpeedLabel, "Speed", "速度", "速度"},
    DialogTextRow{DialogText::FireCountLabel, "Times", "次数", "次數"},
    DialogTextRow{DialogText::FireNotesHeading, "Illustration:", "说明:", "說明:"},
    DialogTextRow{DialogText::FireSpeedNote, "Speed (value range 5-255, with smaller values faster)",
                  "速度(数值范围5-255，数值越小速度越快)", "速度(數值範圍5-255，數值越小速度越快)"},
    DialogTextRow{DialogText::FireCountNote,
                  "Times (value range 0-255,0 indicates fire key to end when the key released)",
                  "次数(数值范围0-255，0表示按键放开火力键结束)", "次數(數值範圍0-255，0表示按鍵放開火力鍵結束)"},
    DialogTextRow{DialogText::MacroPrompt, "Please select a macro", "请从列表框选择一个宏", "請從清單方塊選擇一個巨集"},
    DialogTextRow{DialogText::RepeatUntilCountOrKey, "Repeat a specified number of times or press any key to end",
                  "重复指定次数或按任意键结束", "重複指定次數或按任意鍵結束"},
    DialogTextRow{DialogText::RepeatUntilKey, "Repeat until press any key to end", "重复直到按任意键结束",
                  "重複直到按任意鍵結束"},
    DialogTextRow{DialogText::RepeatWhileHeld, "Repeat until the key is released", "重复直到该按键松开结束",
                  "重複直到該按鍵鬆開結束"},
    DialogTextRow{DialogText::DelayPrompt, "Please enter a delay", "请输入一个延时", "請輸入一個延時"},
    DialogTextRow{DialogText::DelayRange, "(value range 20-10000)", "(数值范围 20-10000)", "(數值範圍 20-10000)"},
    DialogTextRow{DialogText::SkinsPrompt, "Please click to set the UI text color", "请点击设置UI文本颜色",
                  "請點擊設置UI文本顏色"},
    DialogTextRow{
        DialogText::NoMouseNote,
        "No gaming mouse was found.\n\nPlug the mouse in: its settings appear here as soon as it is connected.",
        "没有找到游戏鼠标。\n\n请插入鼠标：连接后这里就会显示它的设置。",
        "沒有找到遊戲滑鼠。\n\n請插入滑鼠：連接後這裡就會顯示它的設定。"},
    DialogTextRow{DialogText::MouseNotOpenableNote,
                  "The gaming mouse is connected, but this user may not open it.\n\n"
                  "Its /dev/hidraw device needs the udev rule \"70-tarvik.rules\".\n"
                  "The Tarvik package installs it in /usr/lib/udev/rules.d; from the source tree, run:\n"
                  "sudo cp packaging/70-tarvik.rules /etc/udev/rules.d/ && sudo udevadm control --reload\n\n"
                  "Then unplug the mouse and plug it in again.",
                  "游戏鼠标已连接，但当前用户无权打开它。\n\n"
                  "它的 /dev/hidraw 设备需要 udev 规则“70-tarvik.rules”。\n"
                  "Tarvik 软件包会把它装到 /usr/lib/udev/rules.d；在源代码目录中请运行：\n"
                  "sudo cp packaging/70-tarvik.rules /etc/udev/rules.d/ && sudo udevadm control --reload\n\n"
                  "然后拔下鼠标，再重新插入。",
                  "遊戲滑鼠已連接，但目前的使用者無權開啟它。\n\n"
                  "它的 /dev/hidraw 裝置需要 udev 規則「70-tarvik.rules」。\n"
                  "Tarvik 套件會把它裝到 /usr/lib/udev/rules.d；在原始碼目錄中請執行：\n"
                  "sudo cp packaging/70-tarvik.rules /etc/udev/rules.d/ && sudo udevadm control --reload\n\n"
                  "然後拔下滑鼠，再重新插入。"},
    DialogTextRow{DialogText::ControlUnavailable, "%1: not available on this desktop", "%1：此桌面不提供该设置",
                  "%1：此桌面不提供該設定"},
    DialogTextRow{DialogText::HelpPageMissing, "The help page was not found: %1", "找不到帮助页面：%1",
                  "找不到說明頁面：%1"},
    DialogTextRow{DialogText::HelpLinkLabel, "Tarvik help", "Tarvik 帮助", "Tarvik 說明"},
};

std::string_view dialogText(DialogText id, LanguageId language);

}  // namespace tarvik
