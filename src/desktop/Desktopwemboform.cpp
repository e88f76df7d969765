#include "desktop/Desktopwemboform.h"

#include "editor/Frmmain.h"
#include "forms/desktopwembo_form.h"

TDeskTopWembo* DeskTopWembo = nullptr;

namespace {

namespace form = forms::desktopwembo;

ui::FormArgs OverlayArgs() {
    ui::FormArgs args;
    args.className = form::kClassName;
    // No border, no taskbar button; place and size are set every time it is shown.
    args.style = WS_POPUP | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_TOOLWINDOW;
    args.centered = false;
    return args;
}

} // namespace

TDeskTopWembo::TDeskTopWembo(ui::Component* owner) : ui::Form(owner, OverlayArgs()) {
    ui::ListViewArgs list;
    list.view = ui::ViewStyle::Icon;
    list.multiSelect = true;
    list.background = GetSysColor(COLOR_INFOBK);
    list.textColor = form::kTextColor;
    ListView1 = new ui::ListView(this, this, list);
    ListView1->Name = "ListView1";
    ListView1->align = ui::Align::Client;
    if (Form1) ListView1->SetLargeImages(Form1->ImageList2);
    ListView1->OnClick = [this](ui::Component* sender) { ListView1Click(sender); };
    ListView1->OnDblClick = [this](ui::Component* sender) { ListView1DblClick(sender); };

    auto button = [this](const form::Button& b) {
        ui::BitBtnArgs args;
        args.bounds = {0, 0, b.width, b.height};
        args.glyph = b.glyph;
        args.handCursor = b.handCursor;
        args.visible = false;
        auto* created = new ui::BitBtn(this, this, args);
        created->Name = b.name;
        // Above the list, which fills the whole window.
        SetWindowPos(created->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return created;
    };
    BitBtn1 = button(form::kConfirmButton);
    BitBtn2 = button(form::kCloseButton);
    BitBtn3 = button(form::kCancelButton);
    BitBtn2->OnClick = [this](ui::Component* sender) { BitBtn2Click(sender); };

    PopupMenu1 = new ui::PopupMenu(this);
    PopupMenu1->Name = "PopupMenu1";
    if (Form1) PopupMenu1->Images = Form1->ImageList3;
    ui::MenuItem** fields[] = {&N1, &N2, &N3, &N4, &N5, &Repeat1};
    static_assert(std::size(fields) == std::size(form::kListMenu));
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const form::MenuEntry& e = form::kListMenu[i];
        auto* item = new ui::MenuItem(this);
        item->Name = e.name;
        item->Caption = e.caption;
        item->Tag = e.tag;
        item->ImageIndex = e.image;
        item->Enabled = e.enabled;
        PopupMenu1->Items.Add(item);
        *fields[i] = item;
    }

    Realign();
    OnShow = [this](ui::Component* sender) { FormShow(sender); };
    ::Application->OnDeactivate = [this](ui::Component* sender) { AppDeactivate(sender); };
}

TDeskTopWembo::~TDeskTopWembo() {
    if (::Application) ::Application->OnDeactivate = nullptr;
    if (DeskTopWembo == this) DeskTopWembo = nullptr;
}

bool TDeskTopWembo::BringToFront() {
    for (int i = 0; i < 100; ++i) {
        if (SetForegroundWindow(Handle())) return true;
    }
    return false;
}

void TDeskTopWembo::FormShow(ui::Component*) {
    if (!BringToFront()) ui::ShowMessage("おやっ？");
    ShowWindow(::Application->Handle(), SW_HIDE);
}

void TDeskTopWembo::AppDeactivate(ui::Component*) {
    if (Form1->N13->Checked && !BitBtn2->Visible() && Form1->DesktopShown) {
        CloseLauncher();
    } else if (!Form1->N13->Checked && Form1->DesktopShown) {
        BringToFront();
    }
}

void TDeskTopWembo::ListView1Click(ui::Component*) {
    if (Form1->N18->Checked && Form1->DesktopShown) LaunchSelected();
}

void TDeskTopWembo::ListView1DblClick(ui::Component*) {
    if (Form1->DesktopShown) LaunchSelected();
}

void TDeskTopWembo::LaunchSelected() {
    if (Form1->N13->Checked) CloseLauncher();
    ::Application->ProcessMessages();
    // A click beside an icon, or one that took the last selection away, starts nothing.
    const ui::ListItem selected = ListView1->Selected();
    if (selected) Form1->LaunchEntry(selected.Index());
}

void TDeskTopWembo::CloseLauncher() {
    Form1->DesktopShown = false;
    BitBtn2->Hide();
    Hide();
}

void TDeskTopWembo::BitBtn2Click(ui::Component*) { CloseLauncher(); }
