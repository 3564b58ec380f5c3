// The hand-made PE files of the corkami corpus push the format to its
// limits; every one must be handled without a crash, and the one with an
// icon must give it.

#include <gtest/gtest.h>

#include "icons/extract_icon_group.h"
#include "icons/icon_source.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

std::filesystem::path CorpusDir() {
    return std::filesystem::path(TAVRIN_CORPUS_DIR);
}

TEST(CorkamiCorpusTest, EveryFileIsHandled) {
    // The build found the corpus here; its absence now is a fault, not a skip.
    ASSERT_TRUE(std::filesystem::is_directory(CorpusDir())) << "corpus missing at " << CorpusDir();
    test::TempDir dir;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusDir())) {
        // Named as a module whatever its own name, so every file is read.
        const std::string source = dir.File("source.exe");
        std::filesystem::copy_file(entry.path(), source,
                                   std::filesystem::copy_options::overwrite_existing);
        const int count = static_cast<int>(IconSource::Open(source, std::nullopt).GroupCount());
        for (int index = 1; index <= count + 1; ++index) {
            const ExtractReport report =
                ExtractIconGroupReporting(source, 0, dir.File("out.ico"), index);
            EXPECT_EQ(report.count, index <= count ? count : 0) << entry.path();
        }
        ++files;
    }
    EXPECT_GE(files, 200);
}

TEST(CorkamiCorpusTest, TheIconSampleGivesItsOneGroup) {
    const auto source = CorpusDir() / "resource_icon.exe";
    ASSERT_TRUE(std::filesystem::exists(source)) << "corpus sample missing: " << source;
    test::TempDir dir;
    const ExtractReport report =
        ExtractIconGroupReporting(source.string(), 0, dir.File("1.ico"), 1);
    EXPECT_EQ(report.count, 1);
    EXPECT_TRUE(report.written);
    EXPECT_GE(report.imageCount, 1u);
}

}  // namespace
}  // namespace tavrin::icons
