// The component layer's parts for the launcher: popup menus, notification icons, picture buttons
// and the input box, with real windows.
#include "support/program_fixture.h"
#include "ui/ui.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <functional>

namespace {

using testing_support::ProgramTest;

// Runs `action` once from a timer of this thread: inside whatever modal loop is running then.
void Soon(std::function<void()> action) {
    static std::function<void()> pending;
    pending = std::move(action);
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        auto run = std::move(pending);
        pending = nullptr;
        if (run) run();
    });
}

HWND FindThreadWindow(const wchar_t* className) {
    struct Search {
        const wchar_t* cls;
        HWND found;
    } search{className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (std::wstring(cls) == s->cls && IsWindowVisible(hwnd)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Host : public ui::Form {
public:
    explicit Host(ui::Component* owner) : ui::Form(owner, Args()) {}

private:
    static ui::FormArgs Args() {
        ui::FormArgs args;
        args.className = L"TPartsHost";
        return args;
    }
};

class PartsTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        app->CreateForm(host);
        images = new ui::ImageList(host, 16, 16);
        images->AddIcon(ui::LoadIconResource(L"MENU0", 16));
        images->AddIcon(ui::LoadIconResource(L"MENU1", 16));
        menu = new ui::PopupMenu(host);
        menu->Name = "TestMenu";
        menu->Images = images;
        auto add = [&](ui::MenuItem& parent, const std::string& name, const std::string& caption) {
            auto* item = new ui::MenuItem(host);
            item->Name = name;
            item->Caption = caption;
            item->OnClick = [this](ui::Component* sender) { clicked.push_back(sender->Name); };
            parent.Add(item);
            return item;
        };
        a = add(menu->Items, "A", "ページ変更");
        a->ImageIndex = 0;
        a->Checked = true;
        add(menu->Items, "S", "-");
        b = add(menu->Items, "B", "非ｱｸﾃｨﾌﾞ化で閉じる");
        b->Enabled = false;
        c = add(menu->Items, "C", "親");
        c->ImageIndex = 1;
        c1 = add(*c, "C1", "1頁へ");
        c1->Checked = true;
        add(*c, "C2", "2頁へ");
        add(menu->Items, "D", "見えない")->Visible = false;
    }
    Host* host = nullptr;
    ui::ImageList* images = nullptr;
    ui::PopupMenu* menu = nullptr;
    ui::MenuItem *a = nullptr, *b = nullptr, *c = nullptr, *c1 = nullptr;
    std::vector<std::string> clicked;
};

std::string MenuText(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return ui::Narrow(text);
}

MENUITEMINFOW ItemInfo(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_BITMAP;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info;
}

TEST_F(PartsTest, BuiltMenuShowsTheItemsAsTheyAreNow) {
    ui::BuiltMenu built = ui::BuildMenu(*menu);
    HMENU m = built.menu.get();
    ASSERT_EQ(GetMenuItemCount(m), 4) << "the hidden item is left out";
    EXPECT_EQ(MenuText(m, 0), "ページ変更");
    EXPECT_TRUE(ItemInfo(m, 1).fType & MFT_SEPARATOR);
    EXPECT_EQ(MenuText(m, 2), "非ｱｸﾃｨﾌﾞ化で閉じる");
    const MENUITEMINFOW first = ItemInfo(m, 0), disabled = ItemInfo(m, 2), parent = ItemInfo(m, 3);
    EXPECT_TRUE(first.fState & MFS_CHECKED);
    EXPECT_FALSE(first.fState & MFS_DISABLED);
    EXPECT_TRUE(disabled.fState & MFS_DISABLED);
    EXPECT_FALSE(disabled.fState & MFS_CHECKED);
    EXPECT_EQ(built.commands.at(first.wID - 1), a);
    EXPECT_EQ(built.commands.at(disabled.wID - 1), b);
    ASSERT_NE(parent.hSubMenu, nullptr);
    EXPECT_EQ(GetMenuItemCount(parent.hSubMenu), 2);
    EXPECT_EQ(MenuText(parent.hSubMenu, 1), "2頁へ");
    EXPECT_TRUE(ItemInfo(parent.hSubMenu, 0).fState & MFS_CHECKED);
    EXPECT_EQ(built.commands.at(ItemInfo(parent.hSubMenu, 0).wID - 1), c1);

    // Pictures: 32 bits with alpha, transparent where the icon is.
    ASSERT_NE(first.hbmpItem, nullptr);
    EXPECT_EQ(disabled.hbmpItem, nullptr) << "an item without an image index has no picture";
    BITMAP bm{};
    GetObjectW(first.hbmpItem, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidth, 16);
    EXPECT_EQ(bm.bmHeight, 16);
    ASSERT_NE(bm.bmBits, nullptr);
    const auto* pixels = static_cast<const DWORD*>(bm.bmBits);
    int opaque = 0, clear = 0;
    for (int i = 0; i < 16 * 16; ++i) {
        const DWORD alpha = pixels[i] >> 24;
        opaque += alpha == 255;
        clear += alpha == 0;
        // Premultiplied: no colour brighter than its alpha.
        for (int shift : {0, 8, 16})
            EXPECT_LE((pixels[i] >> shift) & 0xFF, alpha) << i;
    }
    EXPECT_GT(opaque, 0);
    EXPECT_GT(clear, 0);

    // Made afresh each time.
    a->Caption = "変わった";
    a->Checked = false;
    ui::BuiltMenu again = ui::BuildMenu(*menu);
    EXPECT_EQ(MenuText(again.menu.get(), 0), "変わった");
    EXPECT_FALSE(ItemInfo(again.menu.get(), 0).fState & MFS_CHECKED);
}

TEST_F(PartsTest, PopupRunsTheChosenItemAndNothingWhenDismissed) {
    user.ExpectPopup("TestMenu", "C1").ExpectPopup("TestMenu", "");
    menu->Popup(120, 340);
    EXPECT_EQ(user.lastPopupPoint.x, 120);
    EXPECT_EQ(user.lastPopupPoint.y, 340);
    menu->Popup(10, 10);
    EXPECT_EQ(clicked, (std::vector<std::string>{"C1"}));
}

TEST_F(PartsTest, RealPopupMenuReturnsTheItemChosenWithTheKeyboard) {
    ui::RealUser real;
    app->SetUser(&real);
    // Down to the first item that can be chosen, then Enter.
    Soon([&] {
        HWND owner = host->Handle();
        EXPECT_NE(FindThreadWindow(L"#32768"), nullptr) << "the menu is up";
        PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
    });
    menu->Popup(100, 100);
    EXPECT_EQ(clicked, (std::vector<std::string>{"A"}));

    Soon([] { EndMenu(); });
    menu->Popup(100, 100);
    EXPECT_EQ(clicked.size(), 1u) << "a dismissed menu runs nothing";
    app->SetUser(&user);
}

TEST_F(PartsTest, InputBoxGivesTheTextEnteredOrTheDefault) {
    ui::RealUser real;
    const struct {
        const char* what;
        const wchar_t* typed; // nothing: the default is left as it is
        WORD button;
        std::string result;
    } cases[] = {
        {"OK with a new text", L"12", IDOK, "12"},
        {"OK with Japanese", L"表示数", IDOK, "表示数"},
        {"OK with the default", nullptr, IDOK, "3"},
        {"Cancel", L"99", IDCANCEL, "3"},
        {"emptied", L"", IDOK, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring prompt, caption, initial;
        Soon([&] {
            HWND box = FindThreadWindow(L"#32770");
            ASSERT_NE(box, nullptr);
            wchar_t text[128] = {};
            GetWindowTextW(box, text, 128);
            caption = text;
            GetDlgItemTextW(box, 101, text, 128);
            prompt = text;
            GetDlgItemTextW(box, 100, text, 128);
            initial = text;
            if (c.typed) SetDlgItemTextW(box, 100, c.typed);
            PostMessageW(box, WM_COMMAND, c.button, 0);
        });
        EXPECT_EQ(real.InputBox("表示数を入力して下さい", "表示数設定", "3"), c.result);
        EXPECT_EQ(caption, ui::Wide("表示数を入力して下さい"));
        EXPECT_EQ(prompt, ui::Wide("表示数設定"));
        EXPECT_EQ(initial, L"3");
    }
}

TEST_F(PartsTest, PictureButtonShowsItsGlyphOnTheButtonFaceAndClicks) {
    ui::BitBtnArgs args;
    args.bounds = {10, 10, 141, 44};
    args.glyph = L"GLYPH_LAUNCHER_END";
    args.handCursor = true;
    auto* close = new ui::BitBtn(host, host, args);
    args.glyph = L"GLYPH_SETTEI";
    args.handCursor = false;
    auto* confirm = new ui::BitBtn(host, host, args);

    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(close->Glyph(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 127);
    EXPECT_EQ(bm.bmHeight, 30);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, close->Glyph());
    EXPECT_EQ(GetPixel(dc, 0, 29), GetSysColor(COLOR_BTNFACE)) << "the transparent colour shows the face";
    int ink = 0;
    for (int x = 0; x < 127; ++x)
        ink += GetPixel(dc, x, 15) != GetSysColor(COLOR_BTNFACE);
    EXPECT_GT(ink, 0) << "the words are drawn";
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageW(close->Handle(), BM_GETIMAGE, IMAGE_BITMAP, 0)),
              close->Glyph());

    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(close->Handle(), GCLP_HCURSOR)),
              LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(confirm->Handle(), GCLP_HCURSOR)),
              LoadCursorW(nullptr, IDC_ARROW));

    int clicks = 0;
    close->OnClick = [&](ui::Component* sender) {
        EXPECT_EQ(sender, close);
        ++clicks;
    };
    host->Show();
    SendMessageW(close->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

class NotifyIconsTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        app->CreateForm(host);
        ui::NotifyIcons::SetShellForTesting([this](DWORD message, const NOTIFYICONDATAW& data) {
            calls.push_back(std::to_wstring(message) + L" " + std::to_wstring(data.uID) + L" " + data.szTip);
            EXPECT_EQ(data.hWnd, host->Handle());
            EXPECT_EQ(data.uCallbackMessage, WM_USER + 1u);
            EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
            if (message != NIM_DELETE) {
                EXPECT_NE(data.hIcon, nullptr);
            }
            return accept;
        });
        record.hWnd = host->Handle();
        record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        record.uCallbackMessage = WM_USER + 1;
    }
    void TearDown() override {
        ui::NotifyIcons::SetShellForTesting(nullptr);
        ProgramTest::TearDown();
    }
    void Put(ui::NotifyIcons& icons, UINT id, const std::string& tip, bool add = true) {
        ui::Icon picture = ui::LoadIconResource(L"SLOT2", 16);
        record.uID = id;
        record.hIcon = picture.Handle();
        ui::SetTip(record, tip);
        if (add) {
            icons.Add(record);
        } else {
            icons.Modify(record);
        }
    }
    static std::vector<std::string> Set(const ui::NotifyIcons& icons) {
        std::vector<std::string> all;
        for (const auto& icon : icons.Icons()) {
            EXPECT_FALSE(icon.picture.Empty()) << "a copy of its own, for putting it up again";
            all.push_back(std::to_string(icon.id) + " " + icon.tip);
        }
        return all;
    }

    Host* host = nullptr;
    ui::NotifyIconRecord record;
    std::vector<std::wstring> calls;
    BOOL accept = TRUE;
};

TEST_F(NotifyIconsTest, SetFollowsAddModifyAndDelete) {
    ui::NotifyIcons icons;
    Put(icons, 776, "前");
    Put(icons, 777, "次");
    Put(icons, 777, "次の頁", false);
    Put(icons, 900, "無い", false); // the shell has no such icon: nothing to change
    record.uID = 776;
    icons.Delete(record);
    EXPECT_EQ(Set(icons), (std::vector<std::string>{"777 次の頁"}));
    EXPECT_EQ(calls, (std::vector<std::wstring>{L"0 776 前", L"0 777 次", L"1 777 次の頁", L"1 900 無い",
                                                L"2 776 "}));
}

TEST_F(NotifyIconsTest, IconsTheShellRefusedGoUpWithTheNextTaskbar) {
    ui::NotifyIcons icons;
    accept = FALSE; // no taskbar yet
    Put(icons, 778, "a");
    Put(icons, 779, "b");
    EXPECT_EQ(Set(icons), (std::vector<std::string>{"778 a", "779 b"}));
    calls.clear();
    accept = TRUE;
    icons.Restore();
    EXPECT_EQ(calls, (std::vector<std::wstring>{L"0 778 a", L"0 779 b"}));

    // A shell that still has them takes the picture and tip instead.
    calls.clear();
    accept = FALSE;
    icons.Restore();
    EXPECT_EQ(calls, (std::vector<std::wstring>{L"0 778 a", L"1 778 a", L"0 779 b", L"1 779 b"}));
}

TEST_F(NotifyIconsTest, IconsStillUpAreTakenDownWithTheSet) {
    {
        ui::NotifyIcons icons;
        Put(icons, 776, "x");
        Put(icons, 777, "y");
        record.uID = 777;
        icons.Delete(record);
        calls.clear();
    }
    EXPECT_EQ(calls, (std::vector<std::wstring>{L"2 776 x"}));
}

TEST_F(NotifyIconsTest, TipsAreCutBetweenCharactersAndNeverOverrun) {
    std::string kanji;
    for (int i = 0; i < 40; ++i)
        kanji += "漢";
    const struct {
        std::string tip;
        std::string kept;
    } cases[] = {
        {"ペリモ(右)", "ペリモ(右)"},
        {std::string(100, 'a'), std::string(63, 'a')},
        {"a" + kanji, "a" + kanji.substr(0, 62)},
        {kanji, kanji.substr(0, 62)},
        {std::string("ab\0cd", 5), "ab"},
    };
    for (const auto& c : cases) {
        std::fill(std::begin(record.szTip), std::end(record.szTip), 'Z');
        ui::SetTip(record, c.tip);
        EXPECT_EQ(std::string(record.szTip), c.kept);
        EXPECT_EQ(record.szTip[63], '\0');
    }
}

TEST_F(NotifyIconsTest, TheShellTakesOurIcons) {
    ui::NotifyIcons::SetShellForTesting(nullptr);
    ui::NotifyIcons icons;
    ui::Icon picture = ui::LoadIconResource(L"TRAYICON", 16);
    record.uID = 776;
    record.hIcon = picture.Handle();
    ui::SetTip(record, "ﾃﾞｨｽｸﾄｯﾌﾟ表示");
    EXPECT_TRUE(icons.Add(record));
    SetTip(record, "変更");
    EXPECT_TRUE(icons.Modify(record));
    EXPECT_TRUE(icons.Delete(record));
    EXPECT_FALSE(icons.Delete(record)) << "gone";
}

} // namespace
