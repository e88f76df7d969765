#include "editor/Frmmain.h"

#include "forms/frmmain_form.h"
#include "registry/entry.h"

TForm1* Form1 = nullptr;

namespace {

ui::FormArgs MainFormArgs() {
    ui::FormArgs args;
    args.className = forms::frmmain::kClassName;
    args.caption = forms::frmmain::kCaption;
    args.width = forms::frmmain::kWidth;
    args.height = forms::frmmain::kHeight;
    // A resizable tool window without border icons: it is left through its own commands.
    args.style = WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_TOOLWINDOW;
    args.iconResource = L"MAINICON";
    return args;
}

} // namespace

TForm1::TForm1(ui::Component* owner) : ui::Form(owner, MainFormArgs()) {
    ui::ListViewArgs list;
    list.view = ui::ViewStyle::Report;
    list.multiSelect = true;
    list.editLabels = true;
    list.background = GetSysColor(COLOR_INFOBK);
    list.textColor = RGB(0, 0, 128);
    ListView1 = new ui::ListView(this, this, list);
    ListView1->Name = "ListView1";
    ListView1->align = ui::Align::Client;
    for (const auto& column : forms::frmmain::kListColumns) ListView1->AddColumn(column.caption, column.width);

    Memo1 = new ui::Memo(this);
    Memo1->Name = "Memo1";

    ImageList1 = new ui::ImageList(this, 16, 16);
    ImageList2 = new ui::ImageList(this, 32, 32);
    ImageList3 = new ui::ImageList(this, 16, 16);
    LoadPictures();
    ListView1->SetSmallImages(ImageList1);
    ListView1->SetStateImages(ImageList3);

    BuildTrayMenu();
    Realign();

    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    FormCreate(this);
}

void TForm1::LoadPictures() {
    for (const wchar_t* name : forms::frmmain::kFixedImages) {
        ImageList1->AddIcon(ui::LoadIconResource(name, 16));
        ImageList2->AddIcon(ui::LoadIconResource(forms::frmmain::kLargePlaceholder, 32));
    }
    for (int i = 0; i < forms::frmmain::kMenuImageCount; ++i) {
        ImageList3->AddIcon(ui::LoadIconResource((L"MENU" + std::to_wstring(i)).c_str(), 16));
    }
}

void TForm1::BuildTrayMenu() {
    PopupMenu2 = new ui::PopupMenu(this);
    PopupMenu2->Name = "PopupMenu2";
    PopupMenu2->Images = ImageList3;
    auto make = [this](const forms::frmmain::MenuEntry& e) {
        auto* item = new ui::MenuItem(this);
        item->Name = e.name;
        item->Caption = e.caption;
        item->ImageIndex = e.image;
        item->Checked = e.checked;
        item->Enabled = e.enabled;
        return item;
    };
    ui::MenuItem** fields[] = {&N6, &N7, &N4, &N2, &N16, &N9, &N13, &N24, &N17, &N1, &N18, &N21, &N14, &N3};
    static_assert(std::size(fields) == std::size(forms::frmmain::kTrayMenu));
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        *fields[i] = make(forms::frmmain::kTrayMenu[i]);
        PopupMenu2->Items.Add(*fields[i]);
    }
    N10 = make(forms::frmmain::kPageHeading);
    N7->Add(N10);

    N4->OnClick = [this](ui::Component* sender) { N4Click(sender); };
    N9->OnClick = [this](ui::Component* sender) { N9Click(sender); };
    N10->OnClick = [this](ui::Component* sender) { N10Click(sender); };
    N13->OnClick = [this](ui::Component* sender) { N13Click(sender); };
    N18->OnClick = [this](ui::Component* sender) { N18Click(sender); };
    N3->OnClick = [this](ui::Component* sender) { N3Click(sender); };
    N21->OnClick = [this](ui::Component* sender) { Help1Click(sender); };
}

info::Options TForm1::CurrentOptions() const { return {N9->Checked, N13->Checked, N18->Checked}; }

void TForm1::SetOptions(const info::Options& options) {
    N9->Checked = options.trayMode;
    N13->Enabled = !options.trayMode; // the option belongs to the desktop launcher
    N13->Checked = options.closeOnDeactivate;
    N18->Checked = options.singleClick;
}
