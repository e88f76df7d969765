#include "support/scripted_user.h"

#include <gtest/gtest.h>

namespace testing_support {

ScriptedUser& ScriptedUser::Expect(const std::string& kind, const std::string& text, int answer) {
    script_.push_back({kind, text, answer, {}});
    return *this;
}

ScriptedUser& ScriptedUser::ExpectModal(std::function<void(ui::Form&)> drive) {
    script_.push_back({"modal", {}, 0, std::move(drive)});
    return *this;
}

void ScriptedUser::VerifyAllAsked() {
    for (const Step& s : script_) ADD_FAILURE() << "never asked: " << s.kind << " \"" << s.text << "\"";
    script_.clear();
}

int ScriptedUser::Answer(Prompt prompt) {
    prompts_.push_back(prompt);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << prompt.kind << ": \"" << prompt.text << "\"";
        return IDCANCEL;
    }
    Step step = script_.front();
    script_.pop_front();
    EXPECT_EQ(step.kind, prompt.kind) << "text: " << prompt.text;
    EXPECT_EQ(step.text, prompt.text);
    return step.answer;
}

void ScriptedUser::ShowMessage(const std::string& text) {
    Answer({"message", ::Application->Title(), text, MB_OK});
}

int ScriptedUser::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return Answer({"box", caption, text, flags});
}

int ScriptedUser::WarningDialog(const std::string& text) { return Answer({"warning", "警告", text, MB_OK}); }

int ScriptedUser::ShowModal(ui::Form& form) {
    prompts_.push_back({"modal", form.Caption(), {}, 0});
    if (script_.empty() || script_.front().kind != "modal") {
        ADD_FAILURE() << "unexpected modal form \"" << form.Caption() << "\"";
        return ui::mrCancel;
    }
    Step step = script_.front();
    script_.pop_front();
    step.drive(form);
    return form.ModalResult == 0 ? ui::mrCancel : form.ModalResult;
}

} // namespace testing_support
