// A user for tests: answers prompts from a script, records every prompt, and fails the test on
// a prompt it was not told to expect.
#pragma once

#include "ui/ui.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct Prompt {
    std::string kind; // "message", "box", "warning"
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

    // Everything that has been asked so far.
    const std::vector<Prompt>& prompts() const { return prompts_; }
    // Fails the test when scripted prompts were not asked.
    void VerifyAllAsked();

    void ShowMessage(const std::string& text) override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    int WarningDialog(const std::string& text) override;
    int ShowModal(ui::Form& form) override;

private:
    struct Step {
        std::string kind, text;
        int answer = IDOK;
        std::function<void(ui::Form&)> drive;
    };
    int Answer(Prompt prompt);

    std::deque<Step> script_;
    std::vector<Prompt> prompts_;
};

} // namespace testing_support
