// The entry dialog's description: its window, its components with their places and captions, and
// its pictures.
#pragma once

#include <windows.h>

namespace forms::submanu {

inline constexpr wchar_t kClassName[] = L"TSubForm1";
inline constexpr char kCaption[] = "編集画面";
inline constexpr char kIconCaption[] = "表示アイコン選択";
inline constexpr int kClientWidth = 397;
inline constexpr int kClientHeight = 154;
inline constexpr const wchar_t* kWindowIcon = L"SUBFORMICON";
inline constexpr const wchar_t* kBackground = L"SUBFORM_BACK";

// Left, top, width, height in the client area of what holds the component.
struct Place {
    int left, top, width, height;
    RECT Rect() const { return {left, top, left + width, top + height}; }
};

inline constexpr Place kImage2{0, 0, 397, 154};
inline constexpr Place kPanel0{5, 39, 34, 34};
inline constexpr Place kImage1{2, 2, 30, 30}; // in Panel0
inline constexpr Place kPanel1{47, 12, 343, 100};
inline constexpr Place kEdit1{88, 10, 238, 20};     // in Panel1
inline constexpr Place kEdit2{88, 38, 238, 20};     // in Panel1
inline constexpr Place kComboBox1{88, 66, 131, 20}; // in Panel1
inline constexpr Place kPanel3{109, 121, 179, 28};
inline constexpr Place kButton1{4, 4, 83, 17};  // in Panel3
inline constexpr Place kButton2{87, 4, 83, 17}; // in Panel3
inline constexpr Place kPanel2{47, 12, 343, 100};
inline constexpr Place kListView1{4, 4, 333, 91}; // in Panel2
inline constexpr Place kButton3{300, 126, 85, 16};

struct LabelPlace {
    int left, top;
    const char* caption;
};

inline constexpr LabelPlace kLabel1{39, 15, "登録名"};
inline constexpr LabelPlace kLabel2{7, 42, "システムパス"};
inline constexpr LabelPlace kLabel3{27, 70, "起動状態"};

inline constexpr char kButton1Caption[] = "決　　定";
inline constexpr char kButton2Cancel[] = "ｷｬﾝｾﾙ";
inline constexpr char kButton2Standard[] = "標準";
inline constexpr char kButton3Caption[] = "ﾃﾞﾌｫﾙﾄ";

// The preview is drawn on a picture of the icons' size and stretched into Image1.
inline constexpr int kPreviewPictureSize = 32;
// Width of a column of the stock list: one picture with a little room around it.
inline constexpr int kStockColumnWidth = 38;

// The stock pictures, 32 x 32, in the order of their numbers as icon kinds.
inline constexpr const wchar_t* kStockPictures[] = {
    L"STOCK0",  L"STOCK1",  L"STOCK2",  L"STOCK3",  L"STOCK4",  L"STOCK5",  L"STOCK6",  L"STOCK7",
    L"STOCK8",  L"STOCK9",  L"STOCK10", L"STOCK11", L"STOCK12", L"STOCK13", L"STOCK14", L"STOCK15",
    L"STOCK16", L"STOCK17", L"STOCK18", L"STOCK19", L"STOCK20", L"STOCK21", L"STOCK22", L"STOCK23",
    L"STOCK24", L"STOCK25", L"STOCK26", L"STOCK27", L"STOCK28", L"STOCK29", L"STOCK30", L"STOCK31",
    L"STOCK32", L"STOCK33", L"STOCK34", L"STOCK35", L"STOCK36", L"STOCK37", L"STOCK38", L"STOCK39",
    L"STOCK40", L"STOCK41", L"STOCK42", L"STOCK43", L"STOCK44", L"STOCK45", L"STOCK46", L"STOCK47",
    L"STOCK48", L"STOCK49", L"STOCK50", L"STOCK51", L"STOCK52", L"STOCK53", L"STOCK54", L"STOCK55",
    L"STOCK56", L"STOCK57", L"STOCK58", L"STOCK59", L"STOCK60", L"STOCK61", L"STOCK62", L"STOCK63",
    L"STOCK64", L"STOCK65", L"STOCK66", L"STOCK67",
};
inline constexpr int kStockCount = static_cast<int>(sizeof kStockPictures / sizeof kStockPictures[0]);
static_assert(kStockCount == 68);

} // namespace forms::submanu
