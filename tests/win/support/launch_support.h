// What tests of launching need: the recording program built beside them, an association of a
// file extension with it, and the record it leaves.
#pragma once

#include "editor/Frmmain.h"
#include "registry/info_format.h"
#include "support/program_fixture.h"

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// The main form started over an information file that holds the given rows.
class EntryFormTest : public ProgramTest {
protected:
    TForm1* Start(const std::vector<info::Row>& rows);
    void TearDown() override;
};

// The path of a program built in the same folder as the running test.
std::string ProgramBeside(const std::string& name);

// The recording program writes how it was started to the file this environment variable names.
inline constexpr wchar_t kRecordVariable[] = L"TW_LAUNCH_RECORD";

struct LaunchRecord {
    std::string commandLine;
    std::string directory;
    int show = -1; // the show command it was given; -1 when none
};

// Waits for the recording program to write `file`; nothing when it has not after `limitMs`.
std::optional<LaunchRecord> WaitForRecord(const std::string& file, unsigned limitMs = 15000);

// Files with `extension` (".xyz") open with `program` and show its icon until the object goes.
class ScopedAssociation {
public:
    ScopedAssociation(const std::string& extension, const std::string& program);
    ~ScopedAssociation();
    ScopedAssociation(const ScopedAssociation&) = delete;
    ScopedAssociation& operator=(const ScopedAssociation&) = delete;

private:
    std::wstring extensionKey_, classKey_;
};

} // namespace testing_support
