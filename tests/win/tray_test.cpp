// The notification icons of both modes, the pages, the page menu and the display count.
#include "registry/entry.h"
#include "support/launcher_fixture.h"

#include <gtest/gtest.h>

#include <shellapi.h>

namespace {

using testing_support::EntrySpec;
using testing_support::FileSpec;
using testing_support::NumberedEntries;
using testing_support::Pixels;
using Ids = std::vector<UINT>;
using Texts = std::vector<std::string>;

const std::string kBadCount = "不正な値です";
const std::string kLongCount = "かなり長くなりますがよろしいですか？";

class TrayTest : public testing_support::LauncherTest {
protected:
    // Seven entries, three a page: pages 0-2 show e0-e2, e3-e5, e6.
    void StartSeven(int page = 0, bool trayMode = true) {
        FileSpec file;
        file.currentPage = page;
        file.trayMode = trayMode;
        file.entries = NumberedEntries(7);
        Start(file);
    }
    // The tips of the slot icons, after the two paging icons.
    Texts SlotTips() const {
        Texts tips = IconTips();
        return Texts(tips.begin() + 2, tips.end());
    }
    // The page items: caption, name, tag and check mark, as one text each.
    Texts PageItems() const {
        Texts items;
        for (int i = 1; i < Form1->N7->Count(); ++i) {
            const ui::MenuItem* item = Form1->N7->Item(i);
            items.push_back(item->Caption + " " + item->Name + " " + std::to_string(item->Tag) +
                            (item->Checked ? " checked" : ""));
        }
        return items;
    }
    void ChooseDisplayCount(std::optional<std::string> reply) {
        user.ExpectInput("表示数設定", std::move(reply));
        Form1->N4->Click();
    }
};

TEST_F(TrayTest, TrayModeStartShowsThePagingIconsAndTheSlotsOfTheStoredPage) {
    StartSeven(1);
    EXPECT_EQ(IconIds(), (Ids{776, 777, 778, 779, 780}));
    EXPECT_EQ(IconTips(), (Texts{"ペリモ(右)", "ペリモ(左)", "e3", "e4", "e5"}));
    EXPECT_TRUE(ShowsImage(776, entry::LeftArrowSlot));
    EXPECT_TRUE(ShowsImage(777, entry::RightArrowSlot));
    for (UINT j = 0; j < 3; ++j)
        EXPECT_TRUE(ShowsImage(778 + j, entry::kFirstEntrySlot + 3 + j)) << j;
    EXPECT_NE(Pixels(Form1->TrayIconSet.Icons()[2].picture.Handle()),
              Pixels(Form1->TrayIconSet.Icons()[3].picture.Handle()))
        << "each entry shows its own picture";
    EXPECT_EQ(PageItems(), (Texts{"1頁へ Page0 1", "2頁へ Page1 2 checked", "3頁へ Page2 3"}));
    EXPECT_FALSE(Form1->N13->Enabled);
    for (const auto& call : shellCalls)
        EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
}

TEST_F(TrayTest, DesktopModeStartShowsTheOneLauncherIcon) {
    StartSeven(0, false);
    EXPECT_EQ(IconIds(), (Ids{776}));
    EXPECT_EQ(IconTips(), (Texts{"ﾃﾞｨｽｸﾄｯﾌﾟ表示"}));
    const ui::Icon tray = ui::LoadIconResource(L"TRAYICON", GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(Pixels(Form1->TrayIconSet.Icons()[0].picture.Handle()), Pixels(tray.Handle()));
    EXPECT_EQ(PageItems().size(), 3u) << "the page menu exists in both modes";
    EXPECT_TRUE(Form1->N13->Enabled);
}

TEST_F(TrayTest, NoEntriesGiveEmptySlotsAndNoPageItem) {
    user.Expect("message", "情報ファイルが読込めませんでした");
    app->CreateForm(Form1);
    app->CreateForm(DeskTopWembo);
    EXPECT_EQ(IconIds(), (Ids{776, 777, 778, 779, 780}));
    EXPECT_EQ(SlotTips(), (Texts{"未登録", "未登録", "未登録"}));
    for (UINT id : {778u, 779u, 780u})
        EXPECT_TRUE(ShowsImage(id, entry::EmptySlot)) << id;
    EXPECT_EQ(Form1->N7->Count(), 1);
    EXPECT_FALSE(Form1->N10->Checked);
}

TEST_F(TrayTest, PagingWrapsForwardButNotBackAndPageItemsJump) {
    StartSeven(0);
    struct Step {
        const char* what;
        std::function<void()> act;
        int page;
        Texts slots;
    };
    auto next = [&] { Notify(777, WM_LBUTTONDOWN); };
    auto previous = [&] { Notify(776, WM_LBUTTONDOWN); };
    auto pageItem = [&](int n) { return [n] { Form1->N7->Item(n)->Click(); }; };
    const Step steps[] = {
        {"next", next, 1, {"e3", "e4", "e5"}},
        {"next to the last page", next, 2, {"e6", "未登録", "未登録"}},
        {"next after the last wraps", next, 0, {"e0", "e1", "e2"}},
        {"previous on the first stays", previous, 0, {"e0", "e1", "e2"}},
        {"page item 3", pageItem(3), 2, {"e6", "未登録", "未登録"}},
        {"previous", previous, 1, {"e3", "e4", "e5"}},
        {"the heading does nothing", pageItem(0), 1, {"e3", "e4", "e5"}},
        {"page item 1 from any page", pageItem(1), 0, {"e0", "e1", "e2"}},
    };
    for (const Step& s : steps) {
        shellCalls.clear();
        s.act();
        EXPECT_EQ(Form1->CurrentPage, s.page) << s.what;
        EXPECT_EQ(SlotTips(), s.slots) << s.what;
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(Form1->N7->Item(i)->Checked, i == s.page + 1) << s.what << " item " << i;
        EXPECT_EQ(IconIds(), (Ids{776, 777, 778, 779, 780})) << s.what;
        for (const auto& call : shellCalls)
            EXPECT_EQ(call.message, static_cast<DWORD>(NIM_MODIFY)) << s.what;
    }
    EXPECT_TRUE(ShowsImage(778, entry::kFirstEntrySlot + 0));
}

TEST_F(TrayTest, DisplayCountChangesSlotsAndPageItemsAndKeepsThePage) {
    StartSeven(1);
    ChooseDisplayCount("5");
    EXPECT_EQ(Form1->ShowCount, 5);
    EXPECT_EQ(Form1->CurrentPage, 1);
    EXPECT_EQ(IconIds(), (Ids{776, 777, 778, 779, 780, 781, 782}));
    EXPECT_EQ(SlotTips(), (Texts{"e5", "e6", "未登録", "未登録", "未登録"}));
    EXPECT_EQ(PageItems(), (Texts{"1頁へ Page0 1", "2頁へ Page1 2 checked"}));
    EXPECT_NE(Form1->FindComponent("Page2"), nullptr) << "an item taken out stays with the form";

    ChooseDisplayCount("3");
    EXPECT_EQ(IconIds(), (Ids{776, 777, 778, 779, 780}));
    EXPECT_EQ(SlotTips(), (Texts{"e3", "e4", "e5"}));
    EXPECT_EQ(PageItems(), (Texts{"1頁へ Page0 1", "2頁へ Page1 2 checked", "3頁へ Page3 3"}))
        << "a new item gets a new name";

    ChooseDisplayCount("1");
    EXPECT_EQ(SlotTips(), (Texts{"e1"}));
    EXPECT_EQ(PageItems().size(), 7u);
    EXPECT_EQ(PageItems().back(), "7頁へ Page7 7");
}

TEST_F(TrayTest, DisplayCountInputThatChangesNothing) {
    StartSeven(0);
    const struct {
        const char* what;
        std::optional<std::string> reply;
        std::vector<std::pair<std::string, int>> prompts; // after the input box: kind and answer
    } cases[] = {
        {"not a number", "abc", {{"message", 0}}},
        {"empty", "", {{"message", 0}}},
        {"zero", "0", {{"message", 0}}},
        {"below zero", "-2", {{"message", 0}}},
        {"the current value", "3", {}},
        {"cancelled", std::nullopt, {}},
        {"above ten, refused", "11", {{"box", IDCANCEL}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        user.ExpectInput("表示数設定", c.reply);
        for (const auto& [kind, answer] : c.prompts)
            user.Expect(kind, kind == "box" ? kLongCount : kBadCount, answer);
        shellCalls.clear();
        Form1->N4->Click();
        user.VerifyAllAsked();
        EXPECT_EQ(Form1->ShowCount, 3);
        EXPECT_TRUE(shellCalls.empty());
        EXPECT_EQ(PageItems().size(), 3u);
    }
    const auto& input = user.prompts().front();
    EXPECT_EQ(input.caption, "表示数を入力して下さい");
}

TEST_F(TrayTest, DisplayCountAboveTenIsConfirmedFirst) {
    StartSeven(0);
    user.ExpectInput("表示数設定", "10");
    Form1->N4->Click();
    EXPECT_EQ(Form1->ShowCount, 10) << "ten needs no question";
    EXPECT_EQ(IconIds().size(), 12u);

    user.ExpectInput("表示数設定", "11").Expect("box", kLongCount, IDOK);
    Form1->N4->Click();
    EXPECT_EQ(Form1->ShowCount, 11);
    const auto& box = user.prompts().back();
    EXPECT_EQ(box.caption, "再確認！！");
    EXPECT_EQ(box.flags, static_cast<unsigned>(MB_OKCANCEL | MB_ICONQUESTION));

    // Cancelling gives the current value back, which above ten is still asked about.
    user.ExpectInput("表示数設定", std::nullopt).Expect("box", kLongCount, IDOK);
    Form1->N4->Click();
    EXPECT_EQ(Form1->ShowCount, 11);
    EXPECT_EQ(IconIds().size(), 13u);
}

TEST_F(TrayTest, DisplayCountIsATrayModeSetting) {
    StartSeven(0, false);
    user.Expect("message", "タスクトレイ上に表示でない時には、\r\nこの設定はできません。");
    Form1->N4->Click();
    EXPECT_EQ(Form1->ShowCount, 3);
}

TEST_F(TrayTest, ModeSwitchBothWaysKeepsThePageChosenMeanwhile) {
    StartSeven(1);
    Form1->N9->Click();
    EXPECT_FALSE(Form1->N9->Checked);
    EXPECT_TRUE(Form1->N13->Enabled);
    EXPECT_EQ(IconIds(), (Ids{776}));
    EXPECT_EQ(IconTips(), (Texts{"ﾃﾞｨｽｸﾄｯﾌﾟ表示"}));

    // Paging in desktop mode only moves the page and its check mark.
    shellCalls.clear();
    Form1->N7->Item(3)->Click();
    EXPECT_EQ(Form1->CurrentPage, 2);
    EXPECT_EQ(IconIds(), (Ids{776}));
    EXPECT_TRUE(Form1->N7->Item(3)->Checked);

    Form1->DesktopShown = true;
    DeskTopWembo->BitBtn2->Show();
    DeskTopWembo->Show();
    Form1->N9->Click();
    EXPECT_TRUE(Form1->N9->Checked);
    EXPECT_FALSE(Form1->N13->Enabled);
    EXPECT_EQ(IconIds(), (Ids{776, 777, 778, 779, 780}));
    EXPECT_EQ(IconTips(), (Texts{"ペリモ(右)", "ペリモ(左)", "e6", "未登録", "未登録"}));
    EXPECT_TRUE(ShowsImage(776, entry::LeftArrowSlot));
    EXPECT_FALSE(Form1->DesktopShown);
    EXPECT_FALSE(DeskTopWembo->Visible());
    EXPECT_FALSE(DeskTopWembo->BitBtn2->Visible());
}

TEST_F(TrayTest, NewTaskbarGetsTheIconsOfTheCurrentModeAndPage) {
    StartSeven(0);
    Notify(777, WM_LBUTTONDOWN);
    for (bool trayMode : {true, false}) {
        SCOPED_TRACE(trayMode ? "tray mode" : "desktop mode");
        shellCalls.clear();
        SendMessageW(Form1->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        std::vector<std::wstring> added;
        for (const auto& call : shellCalls) {
            EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
            EXPECT_EQ(call.window, Form1->Handle());
            EXPECT_EQ(call.callbackMessage, WM_USER + 1u);
            added.push_back(call.tip);
        }
        std::vector<std::wstring> expected;
        for (const std::string& tip : IconTips())
            expected.push_back(ui::Wide(tip));
        EXPECT_EQ(added, expected);
        EXPECT_EQ(added.size(), trayMode ? 5u : 1u);
        if (trayMode) {
            EXPECT_EQ(added[2], L"e3") << "the current page";
        }
        Form1->N9->Click();
    }
}

TEST_F(TrayTest, LongNamesAreCutAtACharacterBoundary) {
    FileSpec file;
    std::string name;
    for (int i = 0; i < 20; ++i)
        name += "長い"; // 80 bytes
    file.entries = {{"a" + name}, {name}};
    Start(file);
    const Texts tips = SlotTips();
    EXPECT_EQ(tips[0], "a" + name.substr(0, 62)) << "31 whole characters after the 'a'";
    EXPECT_EQ(tips[1], name.substr(0, 62));
    EXPECT_EQ(shellCalls[2].tip, ui::Wide(tips[0]));
}

TEST_F(TrayTest, APageBeyondTheLastShowsEmptySlotsUntilThePagingWraps) {
    StartSeven(5);
    EXPECT_EQ(SlotTips(), (Texts{"未登録", "未登録", "未登録"}));
    EXPECT_EQ(PageItems(), (Texts{"1頁へ Page0 1", "2頁へ Page1 2", "3頁へ Page2 3"})) << "no item to check";
    Notify(777, WM_LBUTTONDOWN);
    EXPECT_EQ(Form1->CurrentPage, 0);
    EXPECT_EQ(SlotTips(), (Texts{"e0", "e1", "e2"}));
    EXPECT_TRUE(Form1->N7->Item(1)->Checked);
}

TEST_F(TrayTest, ExitTakesEveryIconDownInEitherMode) {
    for (bool trayMode : {true, false}) {
        SCOPED_TRACE(trayMode ? "tray mode" : "desktop mode");
        StartSeven(0, trayMode);
        shellCalls.clear();
        Form1->N3->Click();
        EXPECT_TRUE(Form1->TrayIconSet.Icons().empty());
        Ids deleted;
        for (const auto& call : shellCalls) {
            EXPECT_EQ(call.message, static_cast<DWORD>(NIM_DELETE));
            deleted.push_back(call.id);
        }
        EXPECT_EQ(deleted, trayMode ? (Ids{776, 777, 778, 779, 780}) : (Ids{776}));
        delete DeskTopWembo;
        delete Form1;
        Form1 = nullptr;
    }
}

} // namespace
