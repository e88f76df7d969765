// Shows the entry dialog for people to look at: show_subform icons|props [seconds [picture]]. The
// main form starts over a Windows folder of its own with two entries; the dialog is set up as the
// commands that open it do, its stock list scrolled to show the picture numbered, and stays up for
// the given seconds (default 20) or until it is closed.
#include "editor/Frmmain.h"
#include "editor/Submanu.h"
#include "registry/entry.h"
#include "registry/info_format.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const bool icons = argc < 2 || std::wstring(argv[1]) != L"props";
    const int seconds = argc > 2 ? _wtoi(argv[2]) : 20;
    const int scrollTo = argc > 3 ? _wtoi(argv[3]) : 0;

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"show_subform";
    CreateDirectoryW(folder.c_str(), nullptr);
    {
        std::ofstream file(std::filesystem::path(folder + L"\\TaskWembo.inf"),
                           std::ios::binary | std::ios::trunc);
        for (const std::string& line : info::Build(
                 3, 0, {},
                 {{"メモ帳", "C:\\windows\\notepad.exe", entry::kShowNormal, "9", "64", "64"},
                  {"電卓", "C:\\windows\\system32\\calc.exe", entry::kShowMaximized, "標準", "96", "96"}})) {
            file << line << "\r\n";
        }
    }

    ui::Application application;
    ::Application = &application;
    application.Initialize();
    application.SetTitle("ペリモV2");
    ui::SetWindowsDirectoryForTesting(ui::Narrow(folder));
    application.CreateForm(Form1);
    ui::ListItem row = Form1->ListView1->Items[1];
    row.SetSelected(true);

    auto dialog = std::make_unique<TSubForm1>(&application);
    ui::Icon current;
    Form1->ImageList1->GetIcon(row.ImageIndex(), current);
    if (icons) {
        dialog->Panel1->Hide();
        dialog->Button2->SetCaption("標準");
        dialog->SetCaption("表示アイコン選択");
        dialog->Panel2->Show();
        dialog->Image1->GetCanvas().Draw(0, 0, current);
        dialog->ImageList1->AddIcon(current);
        Form1->IconEditMode = true;
    } else {
        dialog->Edit1->SetText(row.Caption());
        dialog->Edit2->SetText(row.SubItem(entry::Path));
        dialog->ComboBox1->SetText(row.SubItem(entry::ShowState));
        dialog->Panel1->Show();
        dialog->Button2->SetCaption("ｷｬﾝｾﾙ");
        dialog->SetCaption("編集画面");
        dialog->Panel2->Hide();
        dialog->Image1->GetCanvas().Draw(0, 0, current);
        dialog->Button3->Hide();
    }
    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    dialog->Show();
    // The stock list shows part of its pictures: it can be scrolled to the others.
    if (scrollTo > 0) SendMessageW(dialog->ListView1->Handle(), LVM_ENSUREVISIBLE, scrollTo, FALSE);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0 && msg.message != WM_TIMER && dialog->Visible()) {
        if (!IsDialogMessageW(dialog->Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    dialog.reset();
    ui::SetWindowsDirectoryForTesting("");
    DeleteFileW((folder + L"\\TaskWembo.inf").c_str());
    RemoveDirectoryW(folder.c_str());
    return 0;
}
