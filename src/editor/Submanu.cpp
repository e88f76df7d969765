#include "editor/Submanu.h"

#include "editor/Frmmain.h"
#include "forms/submanu_form.h"
#include "launch/icon_resolution.h"
#include "launch/icon_rules.h"
#include "registry/entry.h"

#include <string>

namespace {

namespace form = forms::submanu;

static_assert(form::kStockCount == launch::kStockPictureCount);

// Index of the entry's current image in the icon-change mode, and of its file's own icon.
constexpr int kCurrentImage = 68;
constexpr int kOwnIcon = 69;

// A typed name or show state that the information file could not hold.
const std::string kNoShiftJisForm = "使えない文字が含まれています";

ui::FormArgs DialogArgs() {
    ui::FormArgs args;
    args.className = form::kClassName;
    args.caption = form::kCaption;
    // A tool window with a close button and a fixed size.
    args.style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_TOOLWINDOW;
    RECT frame{0, 0, form::kClientWidth, form::kClientHeight};
    AdjustWindowRectEx(&frame, args.style, FALSE, args.exStyle);
    args.width = frame.right - frame.left;
    args.height = frame.bottom - frame.top;
    args.iconResource = form::kWindowIcon;
    return args;
}

ui::ListItem SelectedRow() {
    return Form1 ? Form1->ListView1->Selected() : ui::ListItem();
}

// The selected row's icon kind; "標準" when there is no row or the row has no kind.
std::string SelectedRowKind() {
    const ui::ListItem row = SelectedRow();
    try {
        if (row) return row.SubItem(entry::IconKind);
    } catch (const ui::Exception&) {
    }
    return entry::kIconStandard;
}

void SetIconKind(const std::string& kind) {
    if (Form1) Form1->IconKind = kind;
}

} // namespace

TSubForm1::TSubForm1(ui::Component* owner) : ui::Form(owner, DialogArgs()) {
    ui::ImageArgs background;
    background.bounds = form::kImage2.Rect();
    Image2 = new ui::Image(this, this, background);
    Image2->Name = "Image2";
    Image2->LoadBitmapResource(form::kBackground);

    ui::PanelArgs frame;
    frame.bounds = form::kPanel0.Rect();
    frame.bevelOuter = ui::Bevel::Lowered;
    frame.bevelInner = ui::Bevel::Raised;
    Panel0 = new ui::Panel(this, this, frame);
    Panel0->Name = "Panel0";

    ui::ImageArgs preview;
    preview.bounds = form::kImage1.Rect();
    preview.container = Panel0;
    preview.stretch = true;
    preview.pictureWidth = preview.pictureHeight = form::kPreviewPictureSize;
    Image1 = new ui::Image(this, this, preview);
    Image1->Name = "Image1";

    ui::PanelArgs properties;
    properties.bounds = form::kPanel1.Rect();
    Panel1 = new ui::Panel(this, this, properties);
    Panel1->Name = "Panel1";
    auto label = [&](const form::LabelPlace& place, const char* name) {
        ui::LabelArgs args;
        args.left = place.left;
        args.top = place.top;
        args.container = Panel1;
        args.caption = place.caption;
        auto* made = new ui::Label(this, this, args);
        made->Name = name;
        return made;
    };
    Label1 = label(form::kLabel1, "Label1");
    Label2 = label(form::kLabel2, "Label2");
    Label3 = label(form::kLabel3, "Label3");
    auto edit = [&](const form::Place& place, bool readOnly, const char* name) {
        ui::EditArgs args;
        args.bounds = place.Rect();
        args.container = Panel1;
        args.readOnly = readOnly;
        auto* made = new ui::Edit(this, this, args);
        made->Name = name;
        return made;
    };
    Edit1 = edit(form::kEdit1, false, "Edit1");
    Edit2 = edit(form::kEdit2, true, "Edit2");
    ui::ComboBoxArgs showStates;
    showStates.bounds = form::kComboBox1.Rect();
    showStates.container = Panel1;
    showStates.items = {entry::kShowNormal, entry::kShowMaximized, entry::kShowMinimized};
    ComboBox1 = new ui::ComboBox(this, this, showStates);
    ComboBox1->Name = "ComboBox1";

    ui::PanelArgs buttons;
    buttons.bounds = form::kPanel3.Rect();
    buttons.bevelOuter = ui::Bevel::Lowered;
    buttons.bevelInner = ui::Bevel::Lowered;
    buttons.bevelWidth = 2;
    buttons.singleBorder = true;
    Panel3 = new ui::Panel(this, this, buttons);
    Panel3->Name = "Panel3";
    auto button = [&](const form::Place& place, ui::Control* container, const char* caption,
                      const char* name) {
        ui::ButtonArgs args;
        args.bounds = place.Rect();
        args.container = container;
        args.caption = caption;
        auto* made = new ui::Button(this, this, args);
        made->Name = name;
        return made;
    };
    Button1 = button(form::kButton1, Panel3, form::kButton1Caption, "Button1");
    Button2 = button(form::kButton2, Panel3, form::kButton2Cancel, "Button2");
    Button2->Tag = 0;

    ui::PanelArgs stock;
    stock.bounds = form::kPanel2.Rect();
    Panel2 = new ui::Panel(this, this, stock);
    Panel2->Name = "Panel2";
    ui::ListViewArgs list;
    list.bounds = form::kListView1.Rect();
    list.container = Panel2;
    list.view = ui::ViewStyle::List;
    list.background = GetSysColor(COLOR_INFOBK);
    ListView1 = new ui::ListView(this, this, list);
    ListView1->Name = "ListView1";
    ListView1->AddColumn("", form::kStockColumnWidth);

    Button3 = button(form::kButton3, nullptr, form::kButton3Caption, "Button3");
    Button3->Tag = 1;

    ImageList1 = new ui::ImageList(this, 32, 32);
    ImageList1->Name = "ImageList1";
    for (const wchar_t* picture : form::kStockPictures)
        ImageList1->AddIcon(ui::LoadIconResource(picture, 32));
    ListView1->SetSmallImages(ImageList1);
    for (int i = 0; i < form::kStockCount; ++i)
        ListView1->Items.Add().SetImageIndex(i);
    // The list sizes its columns from the images and captions it was given: set the width after them.
    ListView1->SetColumnWidth(form::kStockColumnWidth);

    // Later components lie above earlier ones, as they were created.
    for (ui::Control* c : {static_cast<ui::Control*>(Image2), static_cast<ui::Control*>(Panel0),
                           static_cast<ui::Control*>(Panel1), static_cast<ui::Control*>(Panel3),
                           static_cast<ui::Control*>(Panel2), static_cast<ui::Control*>(Button3)}) {
        SetWindowPos(c->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    Button1->OnClick = [this](ui::Component* sender) { Button1Click(sender); };
    Button2->OnClick = [this](ui::Component* sender) { Button2Click(sender); };
    Button3->OnClick = [this](ui::Component* sender) { Button2Click(sender); };
    ListView1->OnClick = [this](ui::Component* sender) { ListView1Click(sender); };
    FormCreate(this);
}

void TSubForm1::FormCreate(ui::Component*) {
    SelectedIcon = kCurrentImage;
    SetIconKind(SelectedRowKind());
}

ui::Icon TSubForm1::ImageOrRedX(int index) const {
    ui::Icon icon;
    if (index >= 0 && index < ImageList1->Count()) {
        ImageList1->GetIcon(index, icon);
    } else if (Form1) {
        Form1->ImageList1->GetIcon(entry::RedXSlot, icon);
    }
    return icon;
}

void TSubForm1::DrawPreview(const ui::Icon& icon) {
    ui::Canvas& canvas = Image1->GetCanvas();
    canvas.SetBrushColor(ui::clWhite);
    canvas.Rectangle(0, 0, 36, 36);
    canvas.Draw(0, 0, icon);
}

void TSubForm1::ListView1Click(ui::Component*) {
    const ui::ListItem item = ListView1->Selected();
    if (!item) return;
    SelectedIcon = item.Index();
    DrawPreview(ImageOrRedX(SelectedIcon));
    SetIconKind(std::to_string(SelectedIcon));
}

void TSubForm1::Button2Click(ui::Component* Sender) {
    if (Panel1->Visible()) {
        ModalResult = ui::mrCancel;
        return;
    }
    if (Sender && Sender->Tag == 1) {
        SelectedIcon = kCurrentImage;
        DrawPreview(ImageOrRedX(kCurrentImage));
        SetIconKind(SelectedRowKind());
    } else {
        // Without an icon of the file's own, the preview shows the red X that confirming will use.
        SelectedIcon = kOwnIcon;
        DrawPreview(ImageOrRedX(kOwnIcon));
        SetIconKind(entry::kIconStandard);
    }
}

void TSubForm1::Button1Click(ui::Component*) {
    if (Panel1->Visible()) {
        ConfirmProperties();
    } else {
        ConfirmIcon();
    }
}

void TSubForm1::ConfirmProperties() {
    ui::ListItem row = SelectedRow();
    if (!row) throw ui::EListError("No entry is selected");
    const auto name = Edit1->TryText();
    const auto showState = ComboBox1->TryText();
    if (!name || !showState) {
        ui::ShowMessage(kNoShiftJisForm);
        return;
    }
    row.SetCaption(*name);
    row.SetSubItem(entry::ShowState, *showState);
    ModalResult = ui::mrOk;
}

void TSubForm1::ConfirmIcon() {
    if (!Form1) return;
    const bool held = SelectedIcon >= 0 && SelectedIcon < ImageList1->Count();
    const ui::Icon icon = ImageOrRedX(held ? SelectedIcon : kOwnIcon);
    if (icon.Empty()) throw ui::EListError("No image to use");
    if (Form1->IconEditMode) {
        const ui::ListItem row = SelectedRow();
        if (!row) throw ui::EListError("No entry is selected");
        const int k = row.ImageIndex();
        if (k < 0 || k >= Form1->ImageList1->Count() || k >= Form1->ImageList2->Count()) {
            throw ui::EListError("Invalid image index " + std::to_string(k));
        }
        // The new image goes in at k and the old one, now at k + 1, goes: every other keeps its index.
        Form1->ImageList1->InsertIcon(k, icon);
        Form1->ImageList2->InsertIcon(k, icon);
        Form1->ImageList1->Delete(k + 1);
        Form1->ImageList2->Delete(k + 1);
    } else {
        launch::AppendToBoth(*Form1->ImageList1, *Form1->ImageList2, icon);
    }
    ModalResult = ui::mrOk;
}
