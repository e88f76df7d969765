// Every entry's icon in both image lists, at start-up and for a new path, under Wine.
#include "editor/Submanu.h"
#include "registry/entry.h"
#include "support/launch_support.h"
#include "support/pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::IconPixels;
using testing_support::ImagePixels;
using testing_support::TempDir;

ui::Icon Extracted(const std::string& file) {
    return ui::Icon(ExtractIconW(GetModuleHandleW(nullptr), ui::Wide(file).c_str(), 0));
}

ui::Icon Image(const ui::ImageList& list, int index) {
    ui::Icon icon;
    list.GetIcon(index, icon);
    return icon;
}

// A stock picture as the entry dialog's list holds it.
ui::Icon Stock(int n) {
    return testing_support::ListCopy(ui::LoadIconResource((L"STOCK" + std::to_wstring(n)).c_str(), 32), 32);
}

// What an entry's images should show.
enum class Shows { ProgramIcon, FolderImage, RedX, Stock };

class IconTest : public testing_support::EntryFormTest {
protected:
    void SetUp() override {
        EntryFormTest::SetUp();
        program = place.File("prog.exe");
        CopyFileW(ui::Wide(testing_support::ProgramBeside("record_launch.exe")).c_str(),
                  ui::Wide(program).c_str(), FALSE);
        document = place.File("doc file.twicon");
        testing_support::WriteFileBytes(document, "text");
        folder = place.File("フォルダ");
        CreateDirectoryW(ui::Wide(folder).c_str(), nullptr);
    }

    // Both lists show `expected` at `slot`: the small list scaled as it scales, the large one too.
    void ExpectBothShow(int slot, const ui::Icon& expected) {
        EXPECT_TRUE(ImagePixels(*Form1->ImageList1, slot) == IconPixels(expected, 16))
            << "small image " << slot;
        EXPECT_TRUE(ImagePixels(*Form1->ImageList2, slot) == IconPixels(expected, 32))
            << "large image " << slot;
    }
    ui::Icon Expected(Shows shows, int stock = -1) const {
        switch (shows) {
        case Shows::ProgramIcon:
            return Extracted(program);
        case Shows::FolderImage:
            return Image(*Form1->ImageList1, entry::FolderSlot);
        case Shows::Stock:
            return Stock(stock);
        case Shows::RedX:
            break;
        }
        return Image(*Form1->ImageList1, entry::RedXSlot);
    }

    TempDir place;
    std::string program, document, folder;
    testing_support::ScopedAssociation association{".twicon",
                                                   testing_support::ProgramBeside("record_launch.exe")};
};

TEST_F(IconTest, StartUpGivesEveryEntryExactlyOneImageInBothLists) {
    const struct {
        std::string path;
        std::string kind;
        Shows shows;
        int stock = -1;
    } cases[] = {
        {program, "標準", Shows::ProgramIcon},
        {folder, "標準", Shows::FolderImage},
        {document, "標準", Shows::ProgramIcon}, // the icon of the program it opens with
        {program, "12", Shows::Stock, 12},      // whatever the path
        {"C:\\nowhere", " 0", Shows::Stock, 0},
        {program, "67", Shows::Stock, 67},
        {program, "abc", Shows::RedX},
        {program, "68", Shows::RedX},
        {program, "-1", Shows::RedX},
        {program, "", Shows::RedX},
        {place.File("gone.exe"), "標準", Shows::RedX},
    };
    std::vector<info::Row> rows;
    for (const auto& c : cases)
        rows.push_back({"名前", c.path, entry::kShowNormal, c.kind, "64", "64"});
    Start(rows);

    const int n = static_cast<int>(std::size(cases));
    ASSERT_EQ(Form1->ImageList1->Count(), 5 + n);
    ASSERT_EQ(Form1->ImageList2->Count(), 5 + n);
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i) + ", kind '" + cases[i].kind + "'");
        EXPECT_EQ(Form1->ListView1->Items[i].ImageIndex(), 5 + i);
        ExpectBothShow(5 + i, Expected(cases[i].shows, cases[i].stock));
    }
}

TEST_F(IconTest, NewPathTakesTheFirstSourceThatGivesAnIcon) {
    Start({});
    const struct {
        std::string path;
        bool fromProgram; // else the folder image
    } cases[] = {
        {program, true},
        {folder, false},
        {document, true},
        // The icon comes from the part before a carriage return.
        {program + "\r\nmore", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.path));
        const int before = Form1->ImageList1->Count();
        Form1->IconKind = "5";
        Form1->AddEntryIcon(c.path);
        ASSERT_EQ(Form1->ImageList1->Count(), before + 1);
        ASSERT_EQ(Form1->ImageList2->Count(), before + 1);
        ExpectBothShow(before, Expected(c.fromProgram ? Shows::ProgramIcon : Shows::FolderImage));
        EXPECT_EQ(Form1->IconKind, "標準");
    }
}

TEST_F(IconTest, PathWithoutIconLetsThePersonPickAndAlwaysAppendsOneImage) {
    // The editor has a row selected whose kind must not pass to the new entry.
    Start({{"選択中", program, entry::kShowNormal, "12", "64", "64"}});
    Form1->ListView1->Items[0].SetSelected(true);
    const std::string missing = place.File("nothing here.exe");

    const struct {
        const char* name;
        std::function<void(TSubForm1&)> drive;
        Shows shows;
        int stock;
        std::string kind;
    } cases[] = {
        {"stock picture 7",
         [](TSubForm1& d) {
             d.ListView1->Items[7].SetSelected(true);
             d.ListView1Click(d.ListView1);
             d.Button1->Click();
         },
         Shows::Stock, 7, "7"},
        {"confirm at once", [](TSubForm1& d) { d.Button1->Click(); }, Shows::RedX, -1, "標準"},
        {"standard without an icon of its own",
         [](TSubForm1& d) {
             d.Button2->Click();
             EXPECT_EQ(d.ModalResult, 0) << "the dialog stays open";
             d.Button1->Click();
         },
         Shows::RedX, -1, "標準"},
        {"close button", [](TSubForm1& d) { SendMessageW(d.Handle(), WM_CLOSE, 0, 0); }, Shows::RedX, -1,
         "標準"},
        {"picture clicked, then closed",
         [](TSubForm1& d) {
             d.ListView1->Items[7].SetSelected(true);
             d.ListView1Click(d.ListView1);
             SendMessageW(d.Handle(), WM_CLOSE, 0, 0);
         },
         Shows::RedX, -1, "標準"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = Form1->ImageList1->Count();
        user.ExpectModal([&](ui::Form& form) {
            auto& dialog = dynamic_cast<TSubForm1&>(form);
            EXPECT_EQ(dialog.Caption(), "表示アイコン選択");
            EXPECT_FALSE(dialog.Panel1->Visible());
            EXPECT_TRUE(dialog.Panel2->Visible());
            EXPECT_FALSE(dialog.Button3->Visible());
            EXPECT_EQ(dialog.Button2->Caption(), "標準");
            EXPECT_EQ(dialog.SelectedIcon, 68);
            ASSERT_EQ(dialog.ImageList1->Count(), 69) << "the stock pictures and the red X";
            EXPECT_TRUE(ImagePixels(*dialog.ImageList1, 68) == IconPixels(Expected(Shows::RedX), 32));
            c.drive(dialog);
        });
        Form1->AddEntryIcon(missing);
        user.VerifyAllAsked();
        ASSERT_EQ(Form1->ImageList1->Count(), before + 1);
        ASSERT_EQ(Form1->ImageList2->Count(), before + 1);
        EXPECT_FALSE(Form1->IconEditMode);
        EXPECT_EQ(Form1->IconKind, c.kind);
        ExpectBothShow(before, Expected(c.shows, c.stock));
    }
}

} // namespace
