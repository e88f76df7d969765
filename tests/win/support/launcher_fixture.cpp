#include "support/launcher_fixture.h"

#include "registry/info_format.h"

#include <shellapi.h>

#include <sstream>

namespace testing_support {

std::vector<EntrySpec> NumberedEntries(int count) {
    std::vector<EntrySpec> entries;
    for (int i = 0; i < count; ++i) {
        EntrySpec e;
        e.name = "e" + std::to_string(i);
        e.kind = std::to_string(i); // a stock picture of its own
        e.x = std::to_string(100 + 90 * i);
        e.y = std::to_string(150 + 10 * i);
        entries.push_back(e);
    }
    return entries;
}

void LauncherTest::SetUp() {
    ProgramTest::SetUp();
    ui::NotifyIcons::SetShellForTesting([this](DWORD message, const NOTIFYICONDATAW& data) {
        shellCalls.push_back({message, data.hWnd, data.uID, data.uFlags, data.uCallbackMessage, data.szTip});
        return TRUE;
    });
}

void LauncherTest::TearDown() {
    ProgramTest::TearDown();
    ui::NotifyIcons::SetShellForTesting(nullptr);
    Form1 = nullptr;
}

void LauncherTest::WriteInfo(const FileSpec& file) {
    std::vector<info::Row> rows;
    for (const EntrySpec& e : file.entries)
        rows.push_back({e.name, e.path, "通常のウインドウ", e.kind, e.x, e.y});
    const auto lines = info::Build(file.showCount, file.currentPage,
                                   {file.trayMode, file.closeOnDeactivate, file.singleClick}, rows);
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    WriteFileBytes(windows.File("TaskWembo.inf"), bytes);
}

void LauncherTest::Start(const FileSpec& file) {
    WriteInfo(file);
    app->CreateForm(Form1);
    app->CreateForm(DeskTopWembo);
}

std::vector<UINT> LauncherTest::IconIds() const {
    std::vector<UINT> ids;
    for (const auto& icon : Form1->TrayIconSet.Icons()) {
        EXPECT_EQ(icon.window, Form1->Handle());
        EXPECT_EQ(icon.callbackMessage, WM_USER + 1u);
        EXPECT_EQ(icon.flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        ids.push_back(icon.id);
    }
    return ids;
}

std::vector<std::string> LauncherTest::IconTips() const {
    std::vector<std::string> tips;
    for (const auto& icon : Form1->TrayIconSet.Icons())
        tips.push_back(icon.tip);
    return tips;
}

std::vector<DWORD> Pixels(HICON icon) {
    ICONINFO parts{};
    if (!icon || !GetIconInfo(icon, &parts)) return {};
    std::vector<DWORD> all;
    HDC screen = GetDC(nullptr);
    for (HBITMAP bitmap : {parts.hbmColor, parts.hbmMask}) {
        if (!bitmap) continue;
        BITMAP bm{};
        GetObjectW(bitmap, sizeof bm, &bm);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = bm.bmWidth;
        info.bmiHeader.biHeight = bm.bmHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        std::vector<DWORD> bits(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
        GetDIBits(screen, bitmap, 0, bm.bmHeight, bits.data(), &info, DIB_RGB_COLORS);
        all.insert(all.end(), bits.begin(), bits.end());
        DeleteObject(bitmap);
    }
    ReleaseDC(nullptr, screen);
    return all;
}

bool LauncherTest::ShowsImage(UINT id, int image) const {
    const auto* icon = Form1->TrayIconSet.Find(Form1->Handle(), id);
    if (!icon) return false;
    ui::Icon expected;
    Form1->ImageList1->GetIcon(image, expected);
    return Pixels(icon->picture.Handle()) == Pixels(expected.Handle());
}

void LauncherTest::Notify(UINT id, UINT mouseMessage) const {
    SendMessageW(Form1->Handle(), WM_USER + 1, id, mouseMessage);
}

std::string LauncherTest::RecorderCopy(const std::string& name) const {
    std::string source = LAUNCH_RECORDER;
    if (!source.empty() && source.front() == '/') source = "Z:" + source;
    for (char& c : source) {
        if (c == '/') c = '\\';
    }
    const std::string copy = windows.File(name + ".exe");
    EXPECT_TRUE(CopyFileW(ui::Wide(source).c_str(), ui::Wide(copy).c_str(), FALSE)) << source;
    return copy;
}

std::vector<std::string> LauncherTest::Launches(std::size_t count) const {
    std::vector<std::string> names;
    for (int wait = 0; wait < 200; ++wait) {
        const std::string bytes = ReadFileBytes(windows.File("launches.log"));
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        names.clear();
        std::wistringstream lines(text);
        for (std::wstring line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == L'\r') line.pop_back();
            const std::string name = ui::Narrow(line);
            names.push_back(name.substr(0, name.size() - 4)); // without ".exe"
        }
        if (names.size() >= count) break;
        Sleep(50);
    }
    return names;
}

} // namespace testing_support
