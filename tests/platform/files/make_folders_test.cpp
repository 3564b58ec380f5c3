// Output folders are made by the same path rule as the files written into
// them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files/file.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

namespace fs = std::filesystem;

TEST(MakeFoldersTest, MakesWhatIsMissingAndRefusesWhatCannotBeAFolder) {
    TempDir dir;
    WriteFileBytes(dir.File("file"), ByteVector{1});
    fs::create_directory(dir.Path() / "there");
    const std::string separator(1, fs::path::preferred_separator);
    const struct {
        std::string path;
        bool made;
    } cases[] = {
        {dir.File("a") + separator + "b" + separator + "c", true},
        {dir.File("there"), true},
        {dir.File("d") + separator, true},
        {dir.File("file"), false},
        {dir.File("file") + separator + "below", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::MakeFolders(c.path), c.made) << c.path;
        EXPECT_EQ(!c.path.empty() && fs::is_directory(c.path), c.made) << c.path;
    }
    EXPECT_EQ(ReadFileBytes(dir.File("file")), ByteVector{1}) << "left as it was";
}

}  // namespace
}  // namespace tavrin::test
