// The real program: one instance at a time, the end of a session, a file that could not be read.
#include "support/e2e.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWait = 15000;
const std::string kSeededFile = "DESKTOP\r\n12\r\n3\r\n0\r\nON\r\nON_S\r\n"
                                "a\r\nC:\\windows\\notepad.exe\r\n\x92\xca\x8f\xed\x82\xcc\x83\x45\x83\x43\x83\x93\x83\x68\x83\x45\r\n"
                                "\x95\x57\x8f\x80\r\n64\r\n64\r\n";

class InstanceTest : public testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteFileW(e2e::InfoFile().c_str());
        for (int n = 1; n <= 3; ++n) DeleteFileW((e2e::InfoFile() + L".unread" + std::to_wstring(n)).c_str());
    }
    static std::wstring Command() { return L"\"" + e2e::ProgramPath() + L"\""; }

    // Sends the end of a session and waits for the program to end; its exit code.
    static DWORD EndSession(const e2e::Process& program, HWND form) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(form, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kWait, &ignored);
        DWORD code = 99;
        EXPECT_TRUE(program.WaitForExit(kWait, code)) << "the program ends after WM_ENDSESSION";
        return code;
    }
};

TEST_F(InstanceTest, SecondStartEndsAtOnceWhileTheFirstRuns) {
    e2e::WriteBytes(e2e::InfoFile(), kSeededFile);
    e2e::Process first(Command());
    ASSERT_TRUE(first.Started());
    HWND form = e2e::WaitForWindow(first.Id(), L"TForm1", nullptr, kWait);
    ASSERT_TRUE(form) << "the main form exists";
    EXPECT_FALSE(IsWindowVisible(form)) << "and is not shown";

    e2e::Process second(Command());
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(kWait, code)) << "the second start ends by itself";
    EXPECT_EQ(code, 0u);
    DWORD still = 0;
    EXPECT_FALSE(first.WaitForExit(0, still)) << "the first one runs on";

    EXPECT_EQ(EndSession(first, form), 0u);
    EXPECT_EQ(e2e::ReadBytes(e2e::InfoFile()), kSeededFile) << "written back as read";
}

TEST_F(InstanceTest, EndOfSessionWritesTheFileInTheCurrentForm) {
    e2e::WriteBytes(e2e::InfoFile(), "8\r\n5\r\n0\r\n\r\nb\r\nC:\\windows\r\nx\r\n3\r\n");
    e2e::Process program(Command());
    HWND form = e2e::WaitForWindow(program.Id(), L"TForm1", nullptr, kWait);
    ASSERT_TRUE(form);
    EXPECT_EQ(EndSession(program, form), 0u);
    EXPECT_EQ(e2e::ReadBytes(e2e::InfoFile()),
              "DESKTOP\r\n12\r\n5\r\n0\r\nON\r\nON_S\r\nb\r\nC:\\windows\r\nx\r\n3\r\n64\r\n64\r\n");
}

TEST_F(InstanceTest, UnreadableFileIsSetAsideUnchanged) {
    const std::string broken = "garbage\r\n\x82\xa0\r\n";
    e2e::WriteBytes(e2e::InfoFile(), broken);
    e2e::Process program(Command());
    HWND box = e2e::WaitForWindow(program.Id(), L"#32770", L"\x30da\x30ea\x30e2V2", kWait); // ペリモV2
    ASSERT_TRUE(box) << "the read failure is shown";
    EXPECT_EQ(e2e::MessageBoxText(box), L"\x60c5\x5831\x30d5\x30a1\x30a4\x30eb\x304c\x8aad\x8fbc\x3081\x307e\x305b\x3093\x3067\x3057\x305f");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 300 && IsWindow(box); ++i) Sleep(20);
    EXPECT_FALSE(IsWindow(box)) << "OK closes the message";
    HWND form = e2e::WaitForWindow(program.Id(), L"TForm1", nullptr, kWait);
    ASSERT_TRUE(form);
    EXPECT_EQ(EndSession(program, form), 0u);
    EXPECT_EQ(e2e::ReadBytes(e2e::InfoFile() + L".unread1"), broken);
    EXPECT_EQ(e2e::ReadBytes(e2e::InfoFile()), "DESKTOP\r\n6\r\n3\r\n0\r\nON\r\nON_S\r\n");
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) e2e::SetProgramPath(argv[1]);
    return RUN_ALL_TESTS();
}
