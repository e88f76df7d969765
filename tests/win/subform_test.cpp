// The entry dialog in its three modes, set up as the commands that open it do, under Wine.
#include "editor/Submanu.h"
#include "registry/entry.h"
#include "support/launch_support.h"
#include "support/pictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using testing_support::CanvasPixels;
using testing_support::IconPixels;
using testing_support::ImagePixels;

ui::Icon Image(const ui::ImageList& list, int index) {
    ui::Icon icon;
    list.GetIcon(index, icon);
    return icon;
}

// What the preview should show after an icon handler drew `icon`.
std::vector<COLORREF> PreviewOf(const ui::Icon& icon) {
    ui::Canvas canvas(32, 32);
    canvas.SetBrushColor(ui::clWhite);
    canvas.Rectangle(0, 0, 36, 36);
    canvas.Draw(0, 0, icon);
    return CanvasPixels(canvas);
}

class SubFormTest : public testing_support::EntryFormTest {
protected:
    void SetUp() override {
        EntryFormTest::SetUp();
        Start({{"一", "C:\\a\\one.exe", entry::kShowNormal, "3", "64", "64"},
               {"二", "C:\\b\\two.exe", entry::kShowMaximized, "4", "64", "64"},
               {"三", "C:\\c\\three.exe", entry::kShowMinimized, "5", "64", "64"}});
        row().SetSelected(true);
        dialog = std::make_unique<TSubForm1>(app);
    }
    void TearDown() override {
        dialog.reset();
        EntryFormTest::TearDown();
    }

    ui::ListItem row() const { return Form1->ListView1->Items[1]; }

    // As the edit command opens it.
    void PropertyMode() {
        dialog->Edit1->SetText(row().Caption());
        dialog->Edit2->SetText(row().SubItem(entry::Path));
        dialog->ComboBox1->SetText(row().SubItem(entry::ShowState));
        dialog->Panel1->Show();
        dialog->Button2->SetCaption("ｷｬﾝｾﾙ");
        dialog->SetCaption("編集画面");
        dialog->Panel2->Hide();
        dialog->Button3->Hide();
    }

    // As the icon-change command opens it; image 69 is the folder image when there is one.
    void IconChangeMode(bool ownIcon) {
        dialog->Panel1->Hide();
        dialog->Button2->SetCaption("標準");
        dialog->SetCaption("表示アイコン選択");
        dialog->Panel2->Show();
        ui::Icon current = Image(*Form1->ImageList1, row().ImageIndex());
        dialog->Image1->GetCanvas().Draw(0, 0, current);
        dialog->ImageList1->AddIcon(current);
        if (ownIcon) dialog->ImageList1->AddIcon(Image(*Form1->ImageList1, entry::FolderSlot));
        Form1->IconEditMode = true;
    }

    // A press of the button with the mouse: the platform's click, through the panel holding it.
    static void Press(ui::Button* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }

    // A click with the mouse on stock picture `n`.
    void ClickPicture(int n) {
        RECT r{};
        r.left = LVIR_ICON;
        SendMessageW(dialog->ListView1->Handle(), LVM_GETITEMRECT, n, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageW(dialog->ListView1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(dialog->ListView1->Handle(), WM_LBUTTONUP, 0, at);
        app->ProcessMessages();
    }

    std::unique_ptr<TSubForm1> dialog;
};

TEST_F(SubFormTest, DialogHoldsItsComponentsWhereTheyBelong) {
    RECT client{};
    GetClientRect(dialog->Handle(), &client);
    EXPECT_EQ(client.right, 397);
    EXPECT_EQ(client.bottom, 154);
    EXPECT_EQ(dialog->Caption(), "編集画面");
    EXPECT_NE(GetClassLongPtrW(dialog->Handle(), GCLP_HICON), 0u) << "the dialog's window icon";

    const struct {
        ui::Control* control;
        ui::Control* holder;
        RECT place;
    } placed[] = {
        {dialog->Image1, dialog->Panel0, {2, 2, 32, 32}},
        {dialog->Edit1, dialog->Panel1, {88, 10, 326, 30}},
        {dialog->ComboBox1, dialog->Panel1, {88, 66, 219, 86}},
        {dialog->Button1, dialog->Panel3, {4, 4, 87, 21}},
        {dialog->ListView1, dialog->Panel2, {4, 4, 337, 95}},
        {dialog->Button3, dialog.get(), {300, 126, 385, 142}},
    };
    for (const auto& p : placed) {
        SCOPED_TRACE(p.control->Name);
        EXPECT_EQ(GetParent(p.control->Handle()), p.holder->Handle());
        const RECT r = p.control->Bounds();
        EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}),
                  std::vector<LONG>({p.place.left, p.place.top, p.place.right, p.place.bottom}));
    }
    EXPECT_EQ(dialog->Label2->Caption(), "システムパス");
    EXPECT_TRUE(dialog->Edit2->ReadOnly());
    EXPECT_FALSE(dialog->Edit1->ReadOnly());
    ASSERT_EQ(dialog->ComboBox1->ItemCount(), 3);
    EXPECT_EQ(dialog->ComboBox1->Item(2), "最小化 ");

    // The stock panel lies over the properties panel; the background under everything.
    std::vector<HWND> topDown;
    for (HWND h = GetWindow(dialog->Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        topDown.push_back(h);
    auto rank = [&](ui::Control* c) {
        return std::find(topDown.begin(), topDown.end(), c->Handle()) - topDown.begin();
    };
    EXPECT_LT(rank(dialog->Panel2), rank(dialog->Panel1));
    EXPECT_EQ(topDown.back(), dialog->Image2->Handle());
    EXPECT_EQ(dialog->Image2->GetCanvas().Width(), 397);
    EXPECT_NE(dialog->Image2->GetCanvas().Pixel(200, 140), ui::clWhite) << "the background picture is shown";

    ASSERT_EQ(dialog->ImageList1->Count(), 68);
    ASSERT_EQ(dialog->ListView1->Items.Count(), 68);
    for (int i : {0, 12, 67}) {
        EXPECT_EQ(dialog->ListView1->Items[i].ImageIndex(), i);
        EXPECT_EQ(dialog->ListView1->Items[i].Caption(), "");
    }
}

TEST_F(SubFormTest, CreationTakesTheSelectedRowsKind) {
    EXPECT_EQ(dialog->SelectedIcon, 68);
    EXPECT_EQ(Form1->IconKind, "4");
    row().SetSelected(false);
    TSubForm1 another(nullptr);
    EXPECT_EQ(Form1->IconKind, "標準") << "no row selected";
}

TEST_F(SubFormTest, PropertyModeWritesNameAndShowStateOnlyOnConfirm) {
    const struct {
        const char* name;
        std::function<void(TSubForm1&)> act;
        int result;
        std::string caption, show;
    } cases[] = {
        {"cancel", [](TSubForm1& d) { Press(d.Button2); }, ui::mrCancel, "二", "最大化"},
        {"close button", [](TSubForm1& d) { SendMessageW(d.Handle(), WM_CLOSE, 0, 0); }, ui::mrCancel, "二",
         "最大化"},
        {"confirm as shown", [](TSubForm1& d) { Press(d.Button1); }, ui::mrOk, "二", "最大化"},
        {"confirm a typed show state",
         [](TSubForm1& d) {
             d.Edit1->SetText("新しい名前");
             d.ComboBox1->SetText("しばらく後");
             Press(d.Button1);
         },
         ui::mrOk, "新しい名前", "しばらく後"},
        {"confirm a chosen show state",
         [](TSubForm1& d) {
             SendMessageW(d.ComboBox1->Handle(), CB_SETCURSEL, 2, 0);
             Press(d.Button1);
         },
         ui::mrOk, "二", "最小化 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        row().SetCaption("二");
        row().SetSubItem(entry::ShowState, "最大化");
        PropertyMode();
        dialog->ModalResult = 0;
        c.act(*dialog);
        EXPECT_EQ(dialog->ModalResult, c.result);
        EXPECT_EQ(row().Caption(), c.caption);
        EXPECT_EQ(row().SubItem(entry::ShowState), c.show);
        EXPECT_EQ(row().SubItem(entry::IconKind), "4");
    }
}

TEST_F(SubFormTest, NameWithoutShiftJisFormIsRefusedAndNothingIsWritten) {
    PropertyMode();
    SetWindowTextW(dialog->Edit1->Handle(), L"\U0001F600 face");
    user.Expect("message", "使えない文字が含まれています");
    Press(dialog->Button1);
    EXPECT_EQ(dialog->ModalResult, 0) << "the dialog stays open";
    EXPECT_EQ(row().Caption(), "二");
}

TEST_F(SubFormTest, IconChoicesOnlyChangePreviewSelectionAndKind) {
    IconChangeMode(true);
    ClickPicture(7);
    EXPECT_EQ(dialog->SelectedIcon, 7);
    EXPECT_EQ(Form1->IconKind, "7");
    EXPECT_TRUE(CanvasPixels(dialog->Image1->GetCanvas()) == PreviewOf(Image(*dialog->ImageList1, 7)));

    dialog->ListView1->Items[7].SetSelected(false);
    dialog->ListView1Click(dialog->ListView1);
    EXPECT_EQ(dialog->SelectedIcon, 7) << "a click on empty space changes nothing";
    EXPECT_EQ(Form1->IconKind, "7");

    Press(dialog->Button2);
    EXPECT_EQ(dialog->SelectedIcon, 69);
    EXPECT_EQ(Form1->IconKind, "標準");
    EXPECT_TRUE(CanvasPixels(dialog->Image1->GetCanvas()) == PreviewOf(Image(*dialog->ImageList1, 69)));

    Press(dialog->Button3);
    EXPECT_EQ(dialog->SelectedIcon, 68);
    EXPECT_EQ(Form1->IconKind, "4") << "the kind the entry had";
    EXPECT_TRUE(CanvasPixels(dialog->Image1->GetCanvas()) == PreviewOf(Image(*dialog->ImageList1, 68)));
    EXPECT_EQ(dialog->ModalResult, 0) << "the dialog stays open";
}

TEST_F(SubFormTest, IconChangeReplacesExactlyTheRowsImageInBothLists) {
    const struct {
        const char* name;
        bool ownIcon;
        std::function<void(TSubForm1&)> act;
        int image; // of the dialog's list; -1: the red X
    } cases[] = {
        {"stock picture", true,
         [](TSubForm1& d) {
             d.ListView1->Items[7].SetSelected(true);
             d.ListView1Click(d.ListView1);
         },
         7},
        {"no choice", true, [](TSubForm1&) {}, 68},
        {"standard", true, [](TSubForm1& d) { Press(d.Button2); }, 69},
        {"standard without an icon of its own", false, [](TSubForm1& d) { Press(d.Button2); }, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialog = std::make_unique<TSubForm1>(app);
        IconChangeMode(c.ownIcon);
        const int k = row().ImageIndex();
        ASSERT_EQ(k, 6);
        const int count = Form1->ImageList1->Count();
        std::vector<std::vector<COLORREF>> small, large;
        for (int i = 0; i < count; ++i) {
            small.push_back(ImagePixels(*Form1->ImageList1, i));
            large.push_back(ImagePixels(*Form1->ImageList2, i));
        }
        c.act(*dialog);
        const ui::Icon chosen =
            c.image < 0 ? Image(*Form1->ImageList1, entry::RedXSlot) : Image(*dialog->ImageList1, c.image);
        Press(dialog->Button1);

        EXPECT_EQ(dialog->ModalResult, ui::mrOk);
        ASSERT_EQ(Form1->ImageList1->Count(), count);
        ASSERT_EQ(Form1->ImageList2->Count(), count);
        for (int i = 0; i < count; ++i) {
            if (i == k) continue;
            EXPECT_TRUE(ImagePixels(*Form1->ImageList1, i) == small[i]) << "small image " << i << " moved";
            EXPECT_TRUE(ImagePixels(*Form1->ImageList2, i) == large[i]) << "large image " << i << " moved";
        }
        EXPECT_TRUE(ImagePixels(*Form1->ImageList1, k) == IconPixels(chosen, 16));
        EXPECT_TRUE(ImagePixels(*Form1->ImageList2, k) == IconPixels(chosen, 32));
    }
}

} // namespace
