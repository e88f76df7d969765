// The entry dialog: edits an entry's name and show state (property mode), or picks an entry's
// icon from the stock pictures, its current image or its file's own icon (the icon modes). The
// code that opens it sets the mode up; the dialog works on the main form's selected row, image
// lists, IconKind and IconEditMode.
#pragma once

#include "ui/ui.h"

class TSubForm1 : public ui::Form {
public:
    explicit TSubForm1(ui::Component* owner);

    // Components, in creation order.
    ui::Image* Image2; // the background
    ui::Panel* Panel0;
    ui::Image* Image1; // the preview
    ui::Panel* Panel1; // properties; shown in property mode only
    ui::Label *Label1, *Label2, *Label3;
    ui::Edit* Edit1;
    ui::Edit* Edit2;
    ui::ComboBox* ComboBox1;
    ui::Panel* Panel3;
    ui::Button* Button1;
    ui::Button* Button2;
    ui::Panel* Panel2; // the stock pictures; shown in the icon modes
    ui::ListView* ListView1;
    ui::Button* Button3;
    ui::ImageList* ImageList1; // 32 x 32: the stock pictures, then what the icon modes append

    // The image of ImageList1 that confirming uses.
    int SelectedIcon = 68;

    void FormCreate(ui::Component* Sender);
    void Button1Click(ui::Component* Sender);
    void Button2Click(ui::Component* Sender);
    void ListView1Click(ui::Component* Sender);

private:
    void DrawPreview(const ui::Icon& icon);
    // Image `index` of ImageList1, or the red-X image when the list has no such image.
    ui::Icon ImageOrRedX(int index) const;
    void ConfirmProperties();
    void ConfirmIcon();
};
