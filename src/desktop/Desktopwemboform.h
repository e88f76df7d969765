// The desktop overlay: a borderless window reaching beyond every edge of the screen, whose list
// shows every entry's icon at its stored place. As launcher its window region is cut down to the
// icons and their names, so the rest of the desktop stays visible and clickable.
#pragma once

#include "ui/ui.h"

class TDeskTopWembo : public ui::Form {
public:
    explicit TDeskTopWembo(ui::Component* owner);
    ~TDeskTopWembo() override;

    // Components.
    ui::ListView* ListView1;
    ui::BitBtn* BitBtn1; // confirms position editing
    ui::BitBtn* BitBtn2; // closes the launcher: ランチャ終了
    ui::BitBtn* BitBtn3; // cancels position editing
    ui::PopupMenu* PopupMenu1;
    ui::MenuItem *N1, *N2, *N3, *N4, *N5, *Repeat1;

    void FormShow(ui::Component* Sender);
    void AppDeactivate(ui::Component* Sender);
    void ListView1Click(ui::Component* Sender);
    void ListView1DblClick(ui::Component* Sender);
    // Leaves the launcher state: the overlay and its close button go, clicks launch nothing.
    void CloseLauncher();
    void BitBtn2Click(ui::Component* Sender);
    // Starts the selected entry with the lowest index; nothing when no icon is selected.
    void LaunchSelected();

private:
    // Up to 100 tries to become the foreground window; false when all failed.
    bool BringToFront();
};

extern TDeskTopWembo* DeskTopWembo;
