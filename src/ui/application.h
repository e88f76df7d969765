// The application object: the hidden application window that owns every form (so no form gets a
// taskbar button of its own), the title, the main form, the message loop and the help command.
#pragma once

#include "ui/component.h"
#include "ui/user.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <string>

namespace ui {

class Form;

class Application : public Component {
public:
    Application();
    ~Application() override;

    void Initialize();
    std::string Title() const { return title_; }
    void SetTitle(const std::string& title);
    HWND Handle() const { return handle_; }

    // Creates a form of class T; the first form created becomes the main form. The reference and
    // the main form are set before T's constructor runs, because the create event (run by the
    // constructor) may reach other code that uses the form through its global, and a modal loop
    // or a message sent to another program there may deliver the end of the session, whose close
    // of the main form must end the program.
    template <class T> void CreateForm(T*& reference) {
        void* memory = ::operator new(sizeof(T));
        reference = static_cast<T*>(memory);
        const bool first = !mainForm_;
        if (first) mainForm_ = reference;
        try {
            new (memory) T(this);
        } catch (...) {
            reference = nullptr;
            if (first) mainForm_ = nullptr;
            ::operator delete(memory);
            throw;
        }
    }
    Form* MainForm() const { return mainForm_; }
    // Called by a form going away, so the application never points at it afterwards.
    void FormDestroyed(const Form* form) {
        if (mainForm_ == form) mainForm_ = nullptr;
    }

    bool ShowMainForm = true;
    // Runs the message loop until Terminate (closing the main form terminates).
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the messages waiting now, then returns.
    void ProcessMessages();

    // The person at the screen. Not owned; the real one unless a test installs another.
    User& user() const { return *user_; }
    void SetUser(User* user) { user_ = user ? user : &realUser_; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // Shows an exception's message in the standard error box.
    void ShowException(const std::exception& e);

    std::string HelpFile;
    // Asks the help engine for `command` on HelpFile, owned by the main form's window. OnHelp, when
    // set, sees the request first and may answer it instead (callHelp = false).
    bool HelpCommand(unsigned command, ULONG_PTR data);
    std::function<bool(unsigned command, ULONG_PTR data, bool& callHelp)> OnHelp;

    // Fired when the application as a whole loses activation.
    std::function<void(Component* sender)> OnDeactivate;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool Dispatch(MSG& msg);

    HWND handle_ = nullptr;
    std::string title_;
    Form* mainForm_ = nullptr; // owned as a component
    bool terminated_ = false;
    RealUser realUser_;
    User* user_ = &realUser_;
};

// Shows `text` in a plain message window captioned with the application title.
void ShowMessage(const std::string& text);

} // namespace ui

// The one application object of the process, as the forms know it.
extern ui::Application* Application;
