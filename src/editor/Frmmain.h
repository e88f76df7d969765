// The main form: the registration editor window, and the owner of all the launcher's state for
// the life of the process (entries, image lists, tray menu, paging and options).
#pragma once

#include "registry/info_format.h"
#include "ui/ui.h"

#include <string>

// Which notification icons are up: the bank of page icons, or the one icon of the desktop launcher.
enum class TrayMode { Tray, Desktop };

class TForm1 : public ui::Form {
public:
    explicit TForm1(ui::Component* owner);

    // Components.
    ui::ListView* ListView1;
    ui::Memo* Memo1;
    ui::ImageList* ImageList1; // 16 x 16: fixed pictures, then one per entry
    ui::ImageList* ImageList2; // 32 x 32: the same slots
    ui::ImageList* ImageList3; // 16 x 16: menu and list pictures
    ui::PopupMenu* PopupMenu2; // the tray menu
    ui::MenuItem *N6, *N7, *N10, *N4, *N2, *N16, *N9, *N13, *N24, *N17, *N1, *N18, *N21, *N14, *N3;

    // State.
    int ShowCount = 0;
    int CurrentPage = 0;
    int PageItemCount = 0;
    int EditStartCount = 0;
    int EntryCount = 0;
    bool EntriesAdded = false;
    bool EmptyNoticeShown = false;
    bool IconEditMode = false;
    bool DesktopShown = false;
    std::string IconKind;
    ui::NotifyIconRecord TrayData; // filled for every notification-icon call
    ui::NotifyIcons TrayIconSet;   // the icons that are up
    HRGN DesktopRegion = nullptr;  // not owned: handed to the overlay window, which owns it

    // Start-up and shutdown.
    void FormCreate(ui::Component* Sender);
    void FormClose(ui::Component* Sender, ui::CloseAction& Action);
    void N3Click(ui::Component* Sender);
    void Help1Click(ui::Component* Sender);

    // The information file.
    void LoadInfoFile();
    void SaveInfoFile();
    std::string InfoFilePath() const;

    // Row i shows image slot 5 + i and the common state picture.
    void AssignImageSlots();

    // Launching and icons.
    void LaunchEntry(int index);
    std::string ReadShortcutTarget(const std::string& path);
    void AddEntryIcon(const std::string& path);
    void RebuildIcons();

    // The notification icons and the tray's pages.
    TrayMode CurrentMode() const { return N9->Checked ? TrayMode::Tray : TrayMode::Desktop; }
    void ShowTrayIcons(TrayMode mode);
    void RemoveTrayIcons(TrayMode mode);
    void BuildPageMenu();
    void NextPage();
    void AddPageItems(int m);
    void RemovePageItems(int m);
    void ApplyShowCount(const std::string& text);
    void N4Click(ui::Component* Sender);
    void N9Click(ui::Component* Sender);
    void N10Click(ui::Component* Sender);
    void N13Click(ui::Component* Sender);
    void N18Click(ui::Component* Sender);

    // The desktop launcher.
    void FillDesktopIcons();
    void ShowDesktopLauncher();

    // The message map's handlers.
    void WMEndSession(ui::Message& Message);
    void WMDropFiles(ui::Message& Message);
    void WMTrayNotify(ui::Message& Message);

protected:
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void BuildTrayMenu();
    void LoadPictures();
    info::Options CurrentOptions() const;
    void SetOptions(const info::Options& options);
    void SetAsideUnreadFile(const std::string& path);
    void SetUpTrayData();
    // Puts the slot icons of page `page` up (NIM_ADD), or renews those that are up.
    void PutSlotIcons(int page, bool add);
    void AppendPageItem(int n);
    void CheckCurrentPageItem();

    info::Form loadedForm_ = info::Form::Unreadable; // how the file read at start-up was written
    bool unreadFileKept_ = false;                     // that file exists but could not be read
};

extern TForm1* Form1;
