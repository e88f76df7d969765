// The desktop overlay as launcher: its place, its list, its window region and its launches.
#include "support/launcher_fixture.h"

#include <gtest/gtest.h>

namespace {

using testing_support::EntrySpec;
using testing_support::FileSpec;

const std::string kPathMissing = "パスが存在しません";

// The rectangles a region is made of, for messages.
std::string Describe(HRGN region) {
    DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    GetRegionData(region, size, data);
    std::string text;
    const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        text += "(" + std::to_string(r[i].left) + "," + std::to_string(r[i].top) + "," +
                std::to_string(r[i].right) + "," + std::to_string(r[i].bottom) + ") ";
    }
    return text;
}

ui::Region UnionOf(const std::vector<RECT>& rects) {
    ui::Region all(CreateRectRgn(0, 0, 0, 0));
    for (const RECT& r : rects) {
        ui::Region part(CreateRectRgnIndirect(&r));
        CombineRgn(all.get(), all.get(), part.get(), RGN_OR);
    }
    return all;
}

class DesktopTest : public testing_support::LauncherTest {
protected:
    // Three entries; the first 2 pixels inside the screen's top-left corner.
    void StartOverlay(bool closeOnDeactivate, bool singleClick = true, std::vector<EntrySpec> entries = {}) {
        FileSpec file;
        file.trayMode = false;
        file.closeOnDeactivate = closeOnDeactivate;
        file.singleClick = singleClick;
        file.entries = std::move(entries);
        if (file.entries.empty()) {
            file.entries = {{"左上", "C:\\nowhere\\a.exe", "標準", "64", "64"},
                            {"メモ帳", "C:\\nowhere\\b.exe", "標準", "300", "200"},
                            {"長い名前の登録", "C:\\nowhere\\c.exe", "標準", "500", "90"}};
        }
        Start(file);
    }
    void Hover() { Notify(776, WM_MOUSEMOVE); }
    HWND List() const { return DeskTopWembo->ListView1->Handle(); }
    RECT Label(int i) const {
        RECT r{LVIR_LABEL, 0, 0, 0};
        SendMessageW(List(), LVM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    ui::Region WindowRegion() const {
        ui::Region region(CreateRectRgn(0, 0, 0, 0));
        EXPECT_NE(GetWindowRgn(DeskTopWembo->Handle(), region.get()), ERROR) << "the overlay has a region";
        return region;
    }
    // Mouse messages as the list gets them from a click on item i's icon.
    void ClickIcon(int i, bool twice) {
        POINT p{};
        ListView_GetItemPosition(List(), i, &p);
        const LPARAM at = MAKELPARAM(p.x + 16, p.y + 16);
        SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(List(), WM_LBUTTONUP, 0, at);
        if (!twice) return;
        SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(List(), WM_LBUTTONUP, 0, at);
    }
};

TEST_F(DesktopTest, OverlayIsAHiddenBorderlessToolWindowWithItsComponents) {
    StartOverlay(true);
    EXPECT_FALSE(DeskTopWembo->Visible());
    const LONG_PTR style = GetWindowLongPtrW(DeskTopWembo->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongPtrW(DeskTopWembo->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        << "no taskbar button";
    const struct {
        ui::BitBtn* button;
        const char* name;
        int width, height;
    } buttons[] = {{DeskTopWembo->BitBtn1, "BitBtn1", 43, 43},
                   {DeskTopWembo->BitBtn2, "BitBtn2", 131, 34},
                   {DeskTopWembo->BitBtn3, "BitBtn3", 99, 30}};
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->Name, b.name);
        EXPECT_FALSE(b.button->Visible()) << b.name;
        EXPECT_EQ(b.button->Width(), b.width) << b.name;
        EXPECT_EQ(b.button->Height(), b.height) << b.name;
        EXPECT_NE(b.button->Glyph(), nullptr) << b.name;
    }
    std::vector<std::string> items;
    for (int i = 0; i < DeskTopWembo->PopupMenu1->Items.Count(); ++i) {
        const ui::MenuItem* item = DeskTopWembo->PopupMenu1->Items.Item(i);
        items.push_back(item->Name + " " + item->Caption + " " + std::to_string(item->Tag) + " " +
                        std::to_string(item->ImageIndex) + (item->Enabled ? "" : " disabled"));
    }
    EXPECT_EQ(items,
              (std::vector<std::string>{"N1 左揃え 0 7", "N2 上揃え 1 8", "N3 左右均等 2 9",
                                        "N4 上下均等 3 10", "N5 - 0 -1", "Repeat1 やり直し 0 11 disabled"}));
    EXPECT_EQ(DeskTopWembo->PopupMenu1->Images, Form1->ImageList3);
    EXPECT_TRUE(app->OnDeactivate) << "the constructor installs the deactivation handler";
}

TEST_F(DesktopTest, LauncherCoversTheScreenWithTheEntriesAtTheirPlaces) {
    StartOverlay(true);
    Hover();
    RECT window{};
    GetWindowRect(DeskTopWembo->Handle(), &window);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(window.left, -64);
    EXPECT_EQ(window.top, -64);
    EXPECT_EQ(window.right, w + 64);
    EXPECT_EQ(window.bottom, h + 64);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(List(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
              Form1->ImageList2->Handle());
    const struct {
        const char* caption;
        int x, y;
    } expected[] = {{"左上", 64, 64}, {"メモ帳", 300, 200}, {"長い名前の登録", 500, 90}};
    ASSERT_EQ(DeskTopWembo->ListView1->Items.Count(), 3);
    // The places hold through the list's first paint.
    RedrawWindow(List(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    for (int i = 0; i < 3; ++i) {
        const ui::ListItem item = DeskTopWembo->ListView1->Items[i];
        EXPECT_EQ(item.Caption(), expected[i].caption);
        EXPECT_EQ(item.ImageIndex(), 5 + i);
        EXPECT_EQ(item.Position().x, expected[i].x);
        EXPECT_EQ(item.Position().y, expected[i].y);
    }
    POINT client{0, 0};
    ClientToScreen(List(), &client);
    EXPECT_EQ(client.x, -62) << "the list's client area begins 2 pixels inside the window";
    EXPECT_EQ(client.y, -62);
}

TEST_F(DesktopTest, RegionIsExactlyTheIconsTheLabelsAndTheCloseButton) {
    for (bool closeOnDeactivate : {false, true}) {
        SCOPED_TRACE(closeOnDeactivate ? "N13 checked" : "N13 unchecked");
        StartOverlay(closeOnDeactivate);
        Hover();
        ASSERT_TRUE(Form1->DesktopShown);
        std::vector<RECT> rects = {{66, 66, 98, 98}, {302, 202, 334, 234}, {502, 92, 534, 124}};
        for (int i = 0; i < 3; ++i) {
            RECT label = Label(i);
            EXPECT_GT(label.right - label.left, 0) << i;
            rects.push_back({label.left, label.top, label.right + 2, label.bottom + 2});
        }
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        if (!closeOnDeactivate)
            rects.push_back({work.left + 64, work.top + 64, work.left + 195, work.top + 98});
        const ui::Region expected = UnionOf(rects);
        const ui::Region actual = WindowRegion();
        EXPECT_TRUE(EqualRgn(actual.get(), expected.get()))
            << "actual " << Describe(actual.get()) << "\nexpected " << Describe(expected.get());
        EXPECT_FALSE(PtInRegion(actual.get(), 200, 400)) << "beside the icons the desktop shows through";

        EXPECT_EQ(DeskTopWembo->BitBtn2->Visible(), !closeOnDeactivate);
        if (!closeOnDeactivate) {
            EXPECT_EQ(DeskTopWembo->BitBtn2->Left(), work.left + 64);
            EXPECT_EQ(DeskTopWembo->BitBtn2->Top(), work.top + 64);
        }
        delete DeskTopWembo;
        delete Form1;
        Form1 = nullptr;
    }
}

TEST_F(DesktopTest, LabelsAreLeftOutWhenTheirMappingCannotBeMade) {
    // Another program holds the name, as an object of another kind.
    ui::KernelHandle taken(CreateMutexW(nullptr, FALSE, L"e2"));
    ASSERT_TRUE(taken);
    StartOverlay(true);
    Hover();
    EXPECT_TRUE(Form1->DesktopShown);
    const ui::Region expected = UnionOf({{66, 66, 98, 98}, {302, 202, 334, 234}, {502, 92, 534, 124}});
    const ui::Region actual = WindowRegion();
    EXPECT_TRUE(EqualRgn(actual.get(), expected.get())) << Describe(actual.get());
}

TEST_F(DesktopTest, AMappingOfTheNameTooSmallForItsViewIsNoHarm) {
    ui::KernelHandle taken(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, L"e2"));
    ASSERT_TRUE(taken);
    StartOverlay(true);
    Hover();
    EXPECT_TRUE(Form1->DesktopShown);
    // Whether the view could be made decides about the labels; the icons are there either way.
    const std::vector<RECT> icons = {{66, 66, 98, 98}, {302, 202, 334, 234}, {502, 92, 534, 124}};
    std::vector<RECT> all = icons;
    for (int i = 0; i < 3; ++i) {
        const RECT label = Label(i);
        all.push_back({label.left, label.top, label.right + 2, label.bottom + 2});
    }
    const ui::Region actual = WindowRegion();
    const ui::Region withLabels = UnionOf(all), iconsOnly = UnionOf(icons);
    EXPECT_TRUE(EqualRgn(actual.get(), withLabels.get()) || EqualRgn(actual.get(), iconsOnly.get()))
        << Describe(actual.get());
}

TEST_F(DesktopTest, ClicksLaunchByTheOptions) {
    const struct {
        bool closeOnDeactivate, singleClick, twice;
        int launches;
        bool stays;
    } cases[] = {
        // With N13 the first launch closes the launcher, so the second click of a double click is lost.
        {true, true, false, 1, false},  {true, true, true, 1, false},  {true, false, false, 0, true},
        {true, false, true, 1, false},  {false, true, false, 1, true}, {false, true, true, 2, true},
        {false, false, false, 0, true}, {false, false, true, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.closeOnDeactivate ? "N13" : "no N13") +
                     (c.singleClick ? ", N18" : ", no N18") + (c.twice ? ", double click" : ", click"));
        StartOverlay(c.closeOnDeactivate, c.singleClick);
        Hover();
        for (int i = 0; i < c.launches; ++i)
            user.Expect("message", kPathMissing);
        ClickIcon(1, c.twice);
        user.VerifyAllAsked();
        EXPECT_EQ(DeskTopWembo->Visible(), c.stays);
        EXPECT_EQ(Form1->DesktopShown, c.stays);
        EXPECT_TRUE(DeskTopWembo->ListView1->Items[1].Selected());
        delete DeskTopWembo;
        delete Form1;
        Form1 = nullptr;
    }
}

TEST_F(DesktopTest, LaunchStartsTheSelectedEntryWithTheLowestIndexAndNothingWithoutSelection) {
    std::vector<EntrySpec> entries;
    for (int i = 0; i < 3; ++i) {
        entries.push_back({"r" + std::to_string(i), RecorderCopy("r" + std::to_string(i)), "標準",
                           std::to_string(100 + 100 * i), "100"});
    }
    StartOverlay(false, true, entries);
    Hover();
    DeskTopWembo->ListView1->Items[2].SetSelected(true);
    DeskTopWembo->ListView1->Items[1].SetSelected(true);
    DeskTopWembo->ListView1DblClick(DeskTopWembo->ListView1);
    EXPECT_EQ(Launches(1), (std::vector<std::string>{"r1"}));

    // A click beside every icon leaves none selected.
    const LPARAM beside = MAKELPARAM(700, 600);
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, beside);
    SendMessageW(List(), WM_LBUTTONUP, 0, beside);
    EXPECT_EQ(DeskTopWembo->ListView1->SelectedCount(), 0);
    DeskTopWembo->ListView1DblClick(DeskTopWembo->ListView1);
    ClickIcon(0, false);
    EXPECT_EQ(Launches(2), (std::vector<std::string>{"r1", "r0"}));
}

TEST_F(DesktopTest, LossOfActivationClosesOnlyWithN13) {
    const struct {
        bool closeOnDeactivate, shown;
        bool visibleAfter;
    } cases[] = {{true, true, false}, {false, true, true}, {true, false, true}, {false, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.closeOnDeactivate ? "N13" : "no N13") +
                     (c.shown ? ", launcher" : ", editing"));
        StartOverlay(c.closeOnDeactivate);
        Hover();
        // Position editing shows the overlay without DesktopShown.
        if (!c.shown) Form1->DesktopShown = false;
        SendMessageW(app->Handle(), WM_ACTIVATEAPP, FALSE, 0);
        EXPECT_EQ(DeskTopWembo->Visible(), c.visibleAfter);
        EXPECT_EQ(Form1->DesktopShown, c.shown && c.visibleAfter);
        delete DeskTopWembo;
        delete Form1;
        Form1 = nullptr;
    }
}

TEST_F(DesktopTest, CloseButtonEndsTheLauncher) {
    StartOverlay(false);
    Hover();
    ASSERT_TRUE(DeskTopWembo->BitBtn2->Visible());
    SendMessageW(DeskTopWembo->BitBtn2->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(DeskTopWembo->Visible());
    EXPECT_FALSE(DeskTopWembo->BitBtn2->Visible());
    EXPECT_FALSE(Form1->DesktopShown);
    Hover();
    EXPECT_TRUE(DeskTopWembo->Visible()) << "the next hover shows it again";
}

TEST_F(DesktopTest, APositionThatIsNoNumberAbandonsTheShow) {
    StartOverlay(true, true,
                 {{"a", "C:\\a.exe", "標準", "64", "64"}, {"b", "C:\\b.exe", "標準", "abc", "64"}});
    user.Expect("box", "'abc' is not a valid integer value.");
    Hover();
    EXPECT_FALSE(Form1->DesktopShown);
    EXPECT_FALSE(DeskTopWembo->Visible());
    EXPECT_EQ(user.prompts().back().caption, "ペリモV2");
}

} // namespace
