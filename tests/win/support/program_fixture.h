// A fresh application object, a scripted user and a Windows directory of the test's own for
// every test; helpers to read and write the files in it.
#pragma once

#include "support/scripted_user.h"

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

// A new empty folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; } // Shift-JIS
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

class ProgramTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedUser user;
    TempDir windows;
    ui::Application* app = nullptr;
};

} // namespace testing_support
