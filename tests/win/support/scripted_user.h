// A user for tests: answers prompts from a script, records every prompt, and fails the test on
// a prompt it was not told to expect.
#pragma once

#include "ui/ui.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct Prompt {
    std::string kind; // "message", "box", "warning", "input", "popup"
    std::string caption;
    std::string text;
    unsigned flags = 0;
};

class ScriptedUser : public ui::User {
public:
    // The next prompt must be of this kind with this text; it is answered with `answer`.
    ScriptedUser& Expect(const std::string& kind, const std::string& text, int answer = IDOK);
    // Runs a modal form: `drive` gets the form and should end with its ModalResult set.
    ScriptedUser& ExpectModal(std::function<void(ui::Form&)> drive);
    // An input box with this prompt, answered with `reply`; nothing means Cancel.
    ScriptedUser& ExpectInput(const std::string& prompt, std::optional<std::string> reply);
    // The popup menu of this name, answered by choosing the item named `choice`; an empty choice
    // dismisses the menu.
    ScriptedUser& ExpectPopup(const std::string& menuName, const std::string& choice);
    // Runs `action` while the prompt scripted last is up, before it is answered: what a nested
    // message loop would deliver meanwhile.
    ScriptedUser& WhileUp(std::function<void()> action);

    // Everything that has been asked so far.
    const std::vector<Prompt>& prompts() const { return prompts_; }
    // Fails the test when scripted prompts were not asked.
    void VerifyAllAsked();

    void ShowMessage(const std::string& text) override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    int WarningDialog(const std::string& text) override;
    int ShowModal(ui::Form& form) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    ui::MenuItem* TrackPopup(ui::PopupMenu& menu, int x, int y) override;

    // Where the last popup menu was opened.
    POINT lastPopupPoint{};

private:
    struct Step {
        std::string kind, text;
        int answer = IDOK;
        std::function<void(ui::Form&)> drive;
        std::optional<std::string> reply;
        std::function<void()> whileUp;
    };
    std::optional<Step> Take(const Prompt& prompt);
    int Answer(Prompt prompt);

    std::deque<Step> script_;
    std::vector<Prompt> prompts_;
};

} // namespace testing_support
