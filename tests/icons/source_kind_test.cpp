#include "icons/source_kind.h"

#include <gtest/gtest.h>

namespace tavrin::icons {
namespace {

TEST(SourceKindTest, TakesTheLastThreeCharactersLowercased) {
    const struct {
        const char* path;
        const char* kind;
        SourceFormat format;
    } cases[] = {
        {"C:\\Tools\\app.exe", "exe", SourceFormat::kModule},
        {"C:\\Tools\\APP.EXE", "exe", SourceFormat::kModule},
        {"lib.Dll", "dll", SourceFormat::kModule},
        {"icons.icl", "icl", SourceFormat::kModule},
        {"x.ICO", "ico", SourceFormat::kIcoFile},
        {"fooexe", "exe", SourceFormat::kModule},  // no dot needed
        {"notes.txt", "txt", SourceFormat::kUnknown},
        {"a.exe\r\nb.exe\r\n", "e\r\n", SourceFormat::kUnknown},  // a two-file drop
        {"ab", "ab", SourceFormat::kUnknown},
        {"", "", SourceFormat::kUnknown},
        {"archive.exe.bak", "bak", SourceFormat::kUnknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SourceKind(c.path), c.kind) << c.path;
        EXPECT_EQ(FormatOfSource(c.path), c.format) << c.path;
    }
}

}  // namespace
}  // namespace tavrin::icons
