// The input box: a small modal dialog with a prompt, an edit field, OK and Cancel.
#include "ui/application.h"
#include "ui/control.h"
#include "ui/sjis.h"
#include "ui/user.h"

#include <cstring>
#include <vector>

namespace ui {

namespace {

enum : WORD { kEditId = 100, kPromptId = 101 };

struct InputState {
    std::wstring caption, prompt, text;
};

// A dialog template built in memory: header, then one item per control, each DWORD-aligned.
class Template {
public:
    void Align() {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }
    void Word(WORD w) { Raw(&w, sizeof w); }
    void Dword(DWORD d) { Raw(&d, sizeof d); }
    void Text(const std::wstring& s) { Raw(s.c_str(), (s.size() + 1) * sizeof(wchar_t)); }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              const std::wstring& text) {
        Align();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy})
            Word(static_cast<WORD>(v));
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void Raw(const void* p, std::size_t n) {
        auto* b = static_cast<const unsigned char*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    std::vector<unsigned char> bytes_;
};

INT_PTR CALLBACK InputProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<InputState*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetWindowTextW(dialog, state->caption.c_str());
        SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
        HWND edit = GetDlgItem(dialog, kEditId);
        SetWindowTextW(edit, state->text.c_str());
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        SetForegroundWindow(dialog);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            HWND edit = GetDlgItem(dialog, kEditId);
            std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            int n = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
            text.resize(static_cast<std::size_t>(n));
            state->text = text;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

std::string RealUser::InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& defaultText) {
    InputState state{Wide(caption), Wide(prompt), Wide(defaultText)};
    Template t;
    t.Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    t.Dword(0);
    t.Word(4);
    for (short v : {0, 0, 180, 62})
        t.Word(static_cast<WORD>(v));
    t.Word(0); // no menu
    t.Word(0); // the standard dialog class
    t.Text(L"");
    t.Word(9);
    t.Text(Wide(FontSpec{}.face));
    t.Item(SS_LEFT | SS_NOPREFIX, 8, 8, 164, 10, kPromptId, 0x0082, L"");
    t.Item(WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 20, 164, 12, kEditId, 0x0081, L"");
    t.Item(WS_TABSTOP | BS_DEFPUSHBUTTON, 68, 40, 50, 14, IDOK, 0x0080, L"OK");
    t.Item(WS_TABSTOP | BS_PUSHBUTTON, 122, 40, 50, 14, IDCANCEL, 0x0080, Wide("キャンセル"));

    HWND owner = GetActiveWindow();
    if (!owner && ::Application) owner = ::Application->Handle();
    const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), owner, &InputProc,
                                                   reinterpret_cast<LPARAM>(&state));
    return answer == IDOK ? Narrow(state.text) : defaultText;
}

} // namespace ui
