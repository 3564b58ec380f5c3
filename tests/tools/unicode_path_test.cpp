// tavrin-extract.exe started as Explorer or a script would start it, with a
// UTF-16 command line naming paths no legacy code page can spell. Only the
// manifest's UTF-8 code page gets them into argv intact.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "icons/extract_icon_group.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scoped_handle_win.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

namespace fs = std::filesystem;

// Read through the wide API: this test program has no UTF-8 code page.
ByteVector WideFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Finished {
    DWORD exitCode = ~0u;
    std::string output;  // stdout and stderr together
};

// Runs `commandLine` to its end with its output in `log`.
Finished RunWide(std::wstring commandLine, const fs::path& log) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    Finished run;
    {
        const ScopedHandle logFile =
            TakeFileHandle(CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!logFile) {
            return run;
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = logFile.get();
        startup.hStdError = logFile.get();
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                            nullptr, nullptr, &startup, &process)) {
            return run;
        }
        const ScopedHandle processHandle(process.hProcess);
        const ScopedHandle threadHandle(process.hThread);
        if (WaitForSingleObject(process.hProcess, 60'000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            run.output = "(still running after a minute)";
            return run;
        }
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    }
    const ByteVector logged = WideFileBytes(log);
    run.output.append(logged.begin(), logged.end());
    return run;
}

std::wstring Quoted(const fs::path& path) {
    return L"\"" + path.wstring() + L"\"";
}

// `output` holds exactly what the engine writes for the fixture at an ASCII
// path; `said` is the tool's output, shown on failure.
void ExpectEngineOutput(const TempDir& dir, const fs::path& output, const std::string& said) {
    std::size_t written = 0;
    for (const auto& entry : fs::directory_iterator(output)) {
        written += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(written, 3u) << said;
    for (int index = 1; index <= 3; ++index) {
        const std::string name = std::to_string(index) + ".ico";
        ASSERT_EQ(icons::ExtractIconGroup(FixturePath("sample.dll").c_str(), 0,
                                          dir.File("expected" + name).c_str(), index),
                  3);
        const auto expected = ReadFileBytes(dir.File("expected" + name));
        ASSERT_TRUE(expected.has_value());
        ASSERT_TRUE(fs::is_regular_file(output / name)) << name << "\n" << said;
        EXPECT_EQ(WideFileBytes(output / name), *expected) << name;
    }
}

fs::path UnicodeSourceIn(const TempDir& dir) {
    const fs::path folder = dir.Path() / L"图标😀";
    fs::create_directory(folder);
    const fs::path source = folder / L"样本😀.dll";
    fs::copy_file(FixturePath("sample.dll"), source);
    return source;
}

Finished Extract(const TempDir& dir, const fs::path& source, const fs::path& output) {
    return RunWide(
        Quoted(fs::path(TAVRIN_EXTRACT_EXE)) + L" " + Quoted(source) + L" " + Quoted(output),
        dir.Path() / "log.txt");
}

TEST(TavrinExtractUnicodePaths, ReadsASourceNoCodePageCanSpell) {
    const TempDir dir;
    const fs::path source = UnicodeSourceIn(dir);
    const fs::path output = dir.Path() / "out";
    const Finished run = Extract(dir, source, output);
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    ExpectEngineOutput(dir, output, run.output);
}

TEST(TavrinExtractUnicodePaths, WritesIntoAFolderNoCodePageCanSpell) {
    const TempDir dir;
    const fs::path source = UnicodeSourceIn(dir);
    const fs::path output = source.parent_path() / L"输出😀";
    const Finished run = Extract(dir, source, output);
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    ExpectEngineOutput(dir, output, run.output);
}

TEST(TavrinExtractUnicodePaths, WalksAFolderNoCodePageCanSpell) {
    // Batch form: the folder is walked, and the source's files go to a
    // folder named after its path below the argument.
    const TempDir dir;
    const fs::path source = UnicodeSourceIn(dir);
    const fs::path output = dir.Path() / L"批量😀";
    const Finished run = RunWide(Quoted(fs::path(TAVRIN_EXTRACT_EXE)) + L" -q -r -o " +
                                     Quoted(output) + L" " + Quoted(source.parent_path()),
                                 dir.Path() / "log.txt");
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    ExpectEngineOutput(dir, output / source.filename(), run.output);
}

}  // namespace
}  // namespace tavrin::test
