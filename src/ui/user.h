// Everything that waits for a person goes through one User: plain messages, message boxes,
// input boxes, the warning dialog and modal forms. The program runs with the RealUser, which shows
// the platform's modal windows; tests install a scripted one.
#pragma once

#include <windows.h>

#include <string>

// The forms call their application's MessageBox; the platform's macro of that name would rename it.
#undef MessageBox

namespace ui {

class Form;
class MenuItem;
class PopupMenu;

// Return values as the platform's message boxes give them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

class User {
public:
    virtual ~User() = default;

    // A plain message window captioned with the application title, with one OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A message box with explicit caption and MB_* flags; the button pressed (IDOK, IDCANCEL...).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // The warning dialog (warning icon, caption "警告") with one OK button; mrOk, or mrCancel when it
    // was closed through its title bar.
    virtual int WarningDialog(const std::string& text) = 0;
    // Shows the form modally until its ModalResult is set; returns that result.
    virtual int ShowModal(Form& form) = 0;
    // An input box: the prompt, an edit holding `defaultText`, OK and Cancel. The text entered, or
    // `defaultText` when it was cancelled.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    // Opens the popup menu at the screen point (x, y) until a choice is made: the item chosen, or
    // nullptr when the menu was dismissed.
    virtual MenuItem* TrackPopup(PopupMenu& menu, int x, int y) = 0;
};

// The production user: the real modal windows.
class RealUser : public User {
public:
    void ShowMessage(const std::string& text) override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    int WarningDialog(const std::string& text) override;
    int ShowModal(Form& form) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    MenuItem* TrackPopup(PopupMenu& menu, int x, int y) override;
};

} // namespace ui
