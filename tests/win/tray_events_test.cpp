// The notification icons' mouse messages in both modes, the tray menu and its two options.
#include "support/launcher_fixture.h"

#include <gtest/gtest.h>

namespace {

using testing_support::EntrySpec;
using testing_support::FileSpec;
using testing_support::NumberedEntries;

const std::string kNoEntries =
    "起動ソフトが何も登録されてません。\r\n「編集/登録」で起動するソフトを\r\n登録して下さい。";
const std::string kPathMissing = "パスが存在しません";

class TrayEventsTest : public testing_support::LauncherTest {
protected:
    void StartDesktop(int entries, bool closeOnDeactivate = true) {
        FileSpec file;
        file.trayMode = false;
        file.closeOnDeactivate = closeOnDeactivate;
        file.entries = NumberedEntries(entries);
        Start(file);
    }
};

TEST_F(TrayEventsTest, LeftButtonOnASlotStartsItsEntryAndAnEmptySlotNothing) {
    FileSpec file;
    file.currentPage = 1;
    for (int i = 0; i < 5; ++i)
        file.entries.push_back({"e" + std::to_string(i), RecorderCopy("r" + std::to_string(i))});
    Start(file);
    Notify(780, WM_LBUTTONDOWN); // slot 2 of page 1: entry 5 does not exist
    Notify(781, WM_LBUTTONDOWN); // no such slot at this display count
    Notify(778, WM_LBUTTONDOWN);
    EXPECT_EQ(Launches(1), (std::vector<std::string>{"r3"}));
    Notify(779, WM_LBUTTONDOWN);
    EXPECT_EQ(Launches(2), (std::vector<std::string>{"r3", "r4"}));
    EXPECT_EQ(Form1->CurrentPage, 1);
}

TEST_F(TrayEventsTest, OnlyTheThreeMouseMessagesAreHandled) {
    FileSpec file;
    file.entries = NumberedEntries(7);
    Start(file);
    for (UINT mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MOUSEMOVE}) {
        Notify(777, mouse);
        Notify(778, mouse);
    }
    EXPECT_EQ(Form1->CurrentPage, 0);
    EXPECT_FALSE(DeskTopWembo->Visible()) << "hovering in tray mode shows nothing";
    EXPECT_TRUE(user.prompts().empty());
}

TEST_F(TrayEventsTest, NoEntriesNoticeIsShownOnceAtATime) {
    StartDesktop(0);
    // Hover messages that come while the notice is up are ignored.
    user.Expect("warning", kNoEntries, ui::mrOk).WhileUp([&] { Notify(776, WM_MOUSEMOVE); });
    Notify(776, WM_MOUSEMOVE);
    EXPECT_FALSE(Form1->EmptyNoticeShown) << "OK clears the flag";
    // Closed through its title bar: the notice does not come again in this run.
    user.Expect("warning", kNoEntries, ui::mrCancel);
    Notify(776, WM_MOUSEMOVE);
    Notify(776, WM_MOUSEMOVE);
    EXPECT_TRUE(Form1->EmptyNoticeShown);
    EXPECT_EQ(user.prompts().size(), 2u);
    EXPECT_EQ(user.prompts()[0].caption, "警告");
    EXPECT_FALSE(DeskTopWembo->Visible());
}

TEST_F(TrayEventsTest, HoverShowsTheLauncherOnceAndTheLeftButtonEndsIt) {
    for (bool closeOnDeactivate : {false, true}) {
        SCOPED_TRACE(closeOnDeactivate ? "N13 checked" : "N13 unchecked");
        StartDesktop(3, closeOnDeactivate);
        Notify(776, WM_MOUSEMOVE);
        EXPECT_TRUE(Form1->DesktopShown);
        EXPECT_TRUE(DeskTopWembo->Visible());
        ASSERT_EQ(DeskTopWembo->ListView1->Items.Count(), 3);

        // Further hovering leaves the launcher as it is.
        Form1->ListView1->Items[0].SetCaption("renamed");
        Notify(776, WM_MOUSEMOVE);
        EXPECT_EQ(DeskTopWembo->ListView1->Items[0].Caption(), "e0");

        Notify(776, WM_LBUTTONDOWN);
        EXPECT_FALSE(Form1->DesktopShown);
        // With N13 the overlay stays up, but no longer launches; without it, it goes.
        EXPECT_EQ(DeskTopWembo->Visible(), closeOnDeactivate);

        Notify(776, WM_MOUSEMOVE);
        EXPECT_TRUE(Form1->DesktopShown);
        EXPECT_TRUE(DeskTopWembo->Visible());
        EXPECT_EQ(DeskTopWembo->ListView1->Items[0].Caption(), "renamed") << "shown afresh from the entries";

        delete DeskTopWembo;
        delete Form1;
        Form1 = nullptr;
    }
}

TEST_F(TrayEventsTest, RightButtonOpensTheTrayMenuOnEveryIcon) {
    FileSpec file;
    file.entries = NumberedEntries(4);
    Start(file);
    const struct {
        UINT icon;
        bool desktopMode;
        const char* choice;
    } cases[] = {
        {776, false, ""},    {777, false, "N6"}, {779, false, "N16"},
        {778, false, "N18"}, {776, true, "N17"}, {776, true, "N18"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.icon) + " " + c.choice);
        if (c.desktopMode && Form1->N9->Checked) Form1->N9->Click();
        const bool singleClick = Form1->N18->Checked;
        user.ExpectPopup("PopupMenu2", c.choice);
        Notify(c.icon, WM_RBUTTONDOWN);
        user.VerifyAllAsked();
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ(user.lastPopupPoint.x, cursor.x);
        EXPECT_EQ(user.lastPopupPoint.y, cursor.y);
        EXPECT_EQ(Form1->N18->Checked, std::string(c.choice) == "N18" ? !singleClick : singleClick);
        EXPECT_EQ(Form1->CurrentPage, 0) << "headings do nothing";
    }
    EXPECT_EQ(user.prompts().size(), std::size(cases));
}

TEST_F(TrayEventsTest, IconsDoNothingWhileIconPositionsAreEdited) {
    StartDesktop(2);
    DeskTopWembo->BitBtn1->Show();
    for (UINT mouse : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN})
        Notify(776, mouse);
    EXPECT_FALSE(Form1->DesktopShown);
    EXPECT_FALSE(DeskTopWembo->Visible());

    Form1->N9->Click();
    for (UINT mouse : {WM_LBUTTONDOWN, WM_RBUTTONDOWN})
        Notify(777, mouse);
    EXPECT_EQ(Form1->CurrentPage, 0);
    EXPECT_TRUE(user.prompts().empty()) << "no menu, no notice";
}

TEST_F(TrayEventsTest, OverlayOptionsToggleAndN13ClosesTheLauncher) {
    StartDesktop(2, false);
    Notify(776, WM_MOUSEMOVE);
    ASSERT_TRUE(DeskTopWembo->BitBtn2->Visible());
    Form1->N13->Click();
    EXPECT_TRUE(Form1->N13->Checked);
    EXPECT_FALSE(Form1->DesktopShown);
    EXPECT_FALSE(DeskTopWembo->Visible());
    EXPECT_FALSE(DeskTopWembo->BitBtn2->Visible());
    Form1->N13->Click();
    EXPECT_FALSE(Form1->N13->Checked);

    Form1->N18->Click();
    EXPECT_FALSE(Form1->N18->Checked);
    Form1->N18->Click();
    EXPECT_TRUE(Form1->N18->Checked);
}

} // namespace
