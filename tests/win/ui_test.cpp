// The component layer over real controls, in process under Wine.
#include "support/program_fixture.h"
#include "ui/ui.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ProgramTest;

// A bare form to put controls on.
class Host : public ui::Form {
public:
    explicit Host(ui::Component* owner) : ui::Form(owner, Args()) {}
    std::function<bool(UINT)> onMessage;

protected:
    bool HandleMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
        if (!onMessage || !onMessage(msg)) return false;
        result = 0;
        return true;
    }

private:
    static ui::FormArgs Args() {
        ui::FormArgs args;
        args.className = L"TTestHost";
        args.caption = "試験";
        return args;
    }
};

class UiTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        app->CreateForm(host);
        ui::ListViewArgs args;
        args.multiSelect = true;
        list = new ui::ListView(host, host, args);
        for (const char* caption : {"名前", "a", "b", "c", "d", "e"}) list->AddColumn(caption, 50);
    }
    Host* host = nullptr;
    ui::ListView* list = nullptr;
};

TEST_F(UiTest, SubItemsFromOneTextAreExactlyFiveValues) {
    const struct {
        std::string text;
        std::vector<std::string> values;
    } cases[] = {
        {"C:\\表\\a.exe\r\n最小化 \r\n標準\r\n64\r\n-1", {"C:\\表\\a.exe", "最小化 ", "標準", "64", "-1"}},
        {"\r\n\r\n\r\n\r\n", {"", "", "", "", ""}},
        {"p\r\n\r\nk", {"p", "", "k", "", ""}},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6", {"1", "2", "3", "4", "5"}},
    };
    for (const auto& c : cases) {
        ui::ListItem item = list->Items.Add();
        item.SetCaption("ソフト");
        item.SetSubItemsText(c.text);
        std::vector<std::string> got;
        for (int k = 0; k < item.SubItemCount(); ++k) got.push_back(item.SubItem(k));
        EXPECT_EQ(got, c.values) << testing::PrintToString(c.text);
        EXPECT_EQ(item.Caption(), "ソフト");
    }
    EXPECT_THROW(list->Items[0].SubItem(5), ui::EListError);
    EXPECT_THROW(list->Items[9], ui::EListError);
}

TEST_F(UiTest, LongTextsSurviveTheControl) {
    const std::string path = "C:\\" + std::string(600, 'x') + "\\表.exe";
    ui::ListItem item = list->Items.Add();
    item.SetSubItem(0, path);
    EXPECT_EQ(item.SubItem(0), path);
}

TEST_F(UiTest, ImageAndStateIndexAndSelection) {
    for (int i = 0; i < 3; ++i) list->Items.Add();
    list->Items[1].SetImageIndex(6);
    list->Items[1].SetStateIndex(5);
    EXPECT_EQ(list->Items[1].ImageIndex(), 6);
    EXPECT_EQ(list->Items[1].StateIndex(), 5);
    EXPECT_EQ(list->Items[0].StateIndex(), -1);
    EXPECT_FALSE(list->Selected());
    list->Items[2].SetSelected(true);
    list->Items[1].SetSelected(true);
    EXPECT_EQ(list->Selected().Index(), 1) << "the lowest selected index";
    EXPECT_EQ(list->SelectedCount(), 2);
    list->Items.Delete(1);
    EXPECT_EQ(list->Items.Count(), 2);
    EXPECT_EQ(list->Selected().Index(), 1);
    list->Items.Clear();
    EXPECT_EQ(list->Items.Count(), 0);
}

TEST_F(UiTest, ImageListKeepsCopiesAndRefusesEmptyIcons) {
    ui::ImageList images(nullptr, 16, 16);
    EXPECT_EQ(images.AddIcon(ui::Icon()), -1);
    EXPECT_EQ(images.Count(), 0);
    {
        ui::Icon folder = ui::LoadIconResource(L"SLOT0", 16);
        ASSERT_FALSE(folder.Empty());
        EXPECT_EQ(images.AddIcon(folder), 0);
    } // the list keeps its own copy after the icon object is gone
    EXPECT_EQ(images.AddIcon(ui::LoadIconResource(L"SLOT1", 32)), 1) << "a large icon is scaled to the list";
    EXPECT_EQ(images.AddIcon(ui::LoadIconResource(L"SLOT3", 16)), 2);
    ui::Icon out;
    images.GetIcon(2, out);
    EXPECT_FALSE(out.Empty());
    EXPECT_THROW(images.GetIcon(3, out), ui::EListError);

    // Insert puts the new image at its place and moves the others up by one.
    auto pixel = [&](int index) {
        ui::Icon icon;
        images.GetIcon(index, icon);
        ICONINFO info{};
        GetIconInfo(icon.Handle(), &info);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, info.hbmColor);
        COLORREF c = GetPixel(dc, 8, 8);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return c;
    };
    const COLORREF before[] = {pixel(0), pixel(1), pixel(2)};
    images.InsertIcon(1, ui::LoadIconResource(L"SLOT4", 16));
    ASSERT_EQ(images.Count(), 4);
    EXPECT_EQ(pixel(0), before[0]);
    EXPECT_EQ(pixel(2), before[1]);
    EXPECT_EQ(pixel(3), before[2]);
    images.Delete(1);
    EXPECT_EQ(pixel(1), before[1]);
    EXPECT_EQ(images.Count(), 3);
}

TEST_F(UiTest, MenuItemsTakenOutStayWithTheirOwner) {
    ui::MenuItem root(nullptr);
    auto* a = new ui::MenuItem(host);
    auto* b = new ui::MenuItem(host);
    a->Name = "Page0";
    root.Add(a);
    root.Add(b);
    EXPECT_EQ(root.IndexOf(b), 1);
    root.Remove(a);
    EXPECT_EQ(root.Count(), 1);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(host->FindComponent("Page0"), a) << "still owned by the form";
    int clicks = 0;
    b->OnClick = [&](ui::Component* sender) {
        EXPECT_EQ(sender, b);
        ++clicks;
    };
    b->Click();
    EXPECT_EQ(clicks, 1);
    delete b; // takes itself out of its menu
    EXPECT_EQ(root.Count(), 0);
}

TEST_F(UiTest, ExceptionsInHandlersAreShownNotThrownThroughWindows) {
    host->onMessage = [](UINT msg) -> bool {
        if (msg == WM_APP) throw ui::EConvertError("'x' is not a valid integer value");
        return false;
    };
    user.Expect("box", "'x' is not a valid integer value.");
    SendMessageW(host->Handle(), WM_APP, 0, 0);
    EXPECT_EQ(user.prompts().back().caption, "ペリモV2");
    EXPECT_EQ(user.prompts().back().flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
}

TEST_F(UiTest, StringListReadsEveryLineEndAndWritesCrLf) {
    testing_support::TempDir dir;
    const std::string file = dir.File("行.txt");
    testing_support::WriteFileBytes(file, "a\rb\nc\r\n\r\nd");
    ui::StringList lines;
    lines.LoadFromFile(file);
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(lines.Strings(7), "");
    lines.SaveToFile(file);
    EXPECT_EQ(testing_support::ReadFileBytes(file), "a\r\nb\r\nc\r\n\r\nd\r\n");
    EXPECT_THROW(lines.LoadFromFile(dir.File("none.txt")), ui::EFileError);
    EXPECT_THROW(lines.SaveToFile(dir.File("no folder\\x.txt")), ui::EFileError);
}

TEST_F(UiTest, CloseAsksTheFormAndClosingTheMainFormEndsTheLoop) {
    int closes = 0;
    host->OnClose = [&](ui::Component*, ui::CloseAction& action) {
        ++closes;
        if (closes == 1) action = ui::CloseAction::None;
    };
    host->Close();
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "refused by its handler";
    host->Close();
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the first form is the main form";
    EXPECT_EQ(closes, 2);
}

} // namespace

namespace {

BOOL CALLBACK FirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    if (!IS_INTRESOURCE(name)) *reinterpret_cast<std::wstring*>(found) = name;
    return FALSE;
}

TEST(Resources, TheProgramsOwnIconIsItsFirstIcon) {
    std::wstring first;
    EnumResourceNamesW(nullptr, RT_GROUP_ICON, &FirstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, L"MAINICON") << "the shell shows the first icon group as the program's icon";
}

} // namespace
