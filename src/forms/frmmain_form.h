// The main form's description: the editor window, its entry list and the tray menu.
#pragma once

#include <windows.h>

namespace forms::frmmain {

inline constexpr wchar_t kClassName[] = L"TForm1";
inline constexpr char kCaption[] = "編集/登録　画面";
inline constexpr int kWidth = 586;
inline constexpr int kHeight = 250;

struct Column {
    const char* caption;
    int width;
};

// Name, then the five sub-items of an entry.
inline constexpr Column kListColumns[] = {
    {"登録名", 150}, {"システムパス", 225}, {"起動状態", 100}, {"アイコン種類", 80}, {"X座標", 50}, {"Y座標", 50},
};

struct MenuEntry {
    const char* name;
    const char* caption;
    int image = -1;
    bool checked = false;
    bool enabled = true;
};

// The tray menu, in menu order.
inline constexpr MenuEntry kTrayMenu[] = {
    {"N6", "ﾀｽｸﾗﾝﾁｬ関連", 12},
    {"N7", "ページ変更", 0},
    {"N4", "表   示   数", 2},
    {"N2", "-"},
    {"N16", "ﾃﾞｨｽｸﾄｯﾌﾟﾗﾝﾁｬ関連", 13},
    {"N9", "ﾄﾚｲ上に表示", -1, true, true},
    {"N13", "非ｱｸﾃｨﾌﾞ化で閉じる", -1, true, false},
    {"N24", "-"},
    {"N17", "全体関連", 14},
    {"N1", "編集／登録", 1},
    {"N18", "ｼﾝｸﾞﾙﾙｸﾘｯｸで起動", -1, true, true},
    {"N21", "ヘ 　ル 　プ", 3},
    {"N14", "-"},
    {"N3", "終　　　   了", 4},
};

// The heading of the page menu under N7; the page items follow it at run time.
inline constexpr MenuEntry kPageHeading = {"N10", "どの頁を表示？"};

// Pictures of the image lists, as icon resources of the module.
inline constexpr const wchar_t* kFixedImages[] = {L"SLOT0", L"SLOT1", L"SLOT2", L"SLOT3", L"SLOT4"};
inline constexpr const wchar_t* kLargePlaceholder = L"PLACEHOLDER";
inline constexpr int kMenuImageCount = 15;

} // namespace forms::frmmain
