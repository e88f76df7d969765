#include "support/scripted_user.h"

#include <gtest/gtest.h>

namespace testing_support {

ScriptedUser& ScriptedUser::Expect(const std::string& kind, const std::string& text, int answer) {
    script_.push_back({kind, text, answer, {}, {}, {}});
    return *this;
}

ScriptedUser& ScriptedUser::ExpectModal(std::function<void(ui::Form&)> drive) {
    script_.push_back({"modal", {}, 0, std::move(drive), {}, {}});
    return *this;
}

ScriptedUser& ScriptedUser::ExpectInput(const std::string& prompt, std::optional<std::string> reply) {
    script_.push_back({"input", prompt, 0, {}, std::move(reply), {}});
    return *this;
}

ScriptedUser& ScriptedUser::ExpectPopup(const std::string& menuName, const std::string& choice) {
    script_.push_back({"popup", menuName, 0, {}, choice, {}});
    return *this;
}

ScriptedUser& ScriptedUser::WhileUp(std::function<void()> action) {
    if (script_.empty()) {
        ADD_FAILURE() << "WhileUp needs a scripted prompt";
    } else {
        script_.back().whileUp = std::move(action);
    }
    return *this;
}

std::optional<ScriptedUser::Step> ScriptedUser::Take(const Prompt& prompt) {
    prompts_.push_back(prompt);
    if (script_.empty() || script_.front().kind != prompt.kind) {
        ADD_FAILURE() << "unexpected " << prompt.kind << ": \"" << prompt.text << "\"";
        return std::nullopt;
    }
    Step step = script_.front();
    script_.pop_front();
    EXPECT_EQ(step.text, prompt.text);
    if (step.whileUp) step.whileUp();
    return step;
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
    if (step.whileUp) step.whileUp();
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

namespace testing_support {

std::string ScriptedUser::InputBox(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText) {
    std::optional<Step> step = Take({"input", caption, prompt, 0});
    return step && step->reply ? *step->reply : defaultText;
}

ui::MenuItem* ScriptedUser::TrackPopup(ui::PopupMenu& menu, int x, int y) {
    lastPopupPoint = {x, y};
    std::optional<Step> step = Take({"popup", {}, menu.Name, 0});
    if (!step || step->reply->empty()) return nullptr;
    // The item as a person would find it: anywhere in the menu's tree, and only when it can be chosen.
    std::function<ui::MenuItem*(const ui::MenuItem&)> find = [&](const ui::MenuItem& parent) -> ui::MenuItem* {
        for (int i = 0; i < parent.Count(); ++i) {
            ui::MenuItem* item = parent.Item(i);
            if (item->Name == *step->reply) return item;
            if (ui::MenuItem* inner = find(*item)) return inner;
        }
        return nullptr;
    };
    ui::MenuItem* chosen = find(menu.Items);
    if (!chosen) {
        ADD_FAILURE() << "no item " << *step->reply << " in " << menu.Name;
    } else if (!chosen->Enabled || !chosen->Visible || chosen->IsSeparator()) {
        ADD_FAILURE() << "item " << *step->reply << " cannot be chosen";
        return nullptr;
    }
    return chosen;
}

} // namespace testing_support
