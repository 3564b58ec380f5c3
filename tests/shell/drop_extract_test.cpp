// The main job end to end: a real drop from another process, a real click on
// Extract or Delete, and the files beside the program checked byte for byte
// against what the engine itself writes for the same source.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/shell/support/remote_window.h"
#include "tests/shell/tavrin_session.h"

namespace tavrin::test {
namespace {

std::set<std::string> NamesIn(const IcoFiles& files) {
    std::set<std::string> names;
    for (const auto& [name, bytes] : files) {
        names.insert(name);
    }
    return names;
}

std::set<std::string> Numbered(int first, int last) {
    std::set<std::string> names;
    for (int i = first; i <= last; ++i) {
        names.insert(std::to_string(i) + ".ico");
    }
    return names;
}

TEST(TavrinDrop, PutsThePathInTheBoxAndEnablesExtract) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string source = CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll");
    ASSERT_FALSE(IsWindowEnabled(tavrin.Control(k按钮1Place)));
    ASSERT_TRUE(tavrin.Drop({source}));
    EXPECT_EQ(tavrin.PathBoxText(), source);
    EXPECT_TRUE(IsWindowEnabled(tavrin.Control(k按钮1Place)));
    EXPECT_TRUE(tavrin.IcoFilesBesideProgram().empty());  // dropping alone writes nothing
}

TEST(TavrinDrop, ReachesTheTargetOverEveryControlAndReplacesTheText) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const struct {
        const char* over;
        POINT client;
    } places[] = {
        {"标签2", {168, 20}},  {"标签1", {172, 52}},  {"编辑框1", {180, 84}},
        {"按钮1", {224, 132}}, {"按钮2", {316, 132}}, {"the bare window", {40, 132}},
    };
    int n = 0;
    for (const auto& place : places) {
        const std::string source =
            CopyFixture("sample.dll", tavrin.StartFolder(), "drop" + std::to_string(++n) + ".dll");
        ASSERT_TRUE(tavrin.Drop({source}, place.client)) << place.over;
        EXPECT_EQ(tavrin.PathBoxText(), source) << "dropped over " << place.over;
    }
}

TEST(TavrinExtract, WritesEveryGroupBesideTheProgramAsTheEngineDoes) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string source = CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll");
    ASSERT_TRUE(tavrin.Drop({source}));
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    const IcoFiles written = tavrin.IcoFilesBesideProgram();
    EXPECT_EQ(NamesIn(written), Numbered(1, 3));
    EXPECT_EQ(written, EngineOutputFor(source));
    // Not into the folder it was started from, which is its current
    // directory only until start-up.
    EXPECT_TRUE(IcoFilesIn(tavrin.StartFolder().Path().string()).empty());
}

TEST(TavrinExtract, OfALaterSmallerSourceReplacesOnlyItsOwnNumbers) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string many = CopyFixture("many_groups.dll", tavrin.StartFolder(), "many.dll");
    ASSERT_TRUE(tavrin.Drop({many}));
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    const IcoFiles first = tavrin.IcoFilesBesideProgram();
    EXPECT_EQ(NamesIn(first), Numbered(1, 100));  // more than 100 groups: only the first 100
    EXPECT_EQ(first, EngineOutputFor(many));

    const std::string sample = CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll");
    ASSERT_TRUE(tavrin.Drop({sample}));
    ASSERT_EQ(tavrin.PathBoxText(), sample);
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    IcoFiles expected = first;
    for (const auto& [name, bytes] : EngineOutputFor(sample)) {
        expected[name] = bytes;
    }
    EXPECT_EQ(tavrin.IcoFilesBesideProgram(), expected);
}

TEST(TavrinExtract, OfAnIconFileWritesOnly1Ico) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string source = CopyFixture("three_images.ico", tavrin.StartFolder(), "three.ico");
    ASSERT_TRUE(tavrin.Drop({source}));
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    const IcoFiles written = tavrin.IcoFilesBesideProgram();
    EXPECT_EQ(NamesIn(written), Numbered(1, 1));
    EXPECT_EQ(written, EngineOutputFor(source));
}

TEST(TavrinExtract, WritesNothingForTwoFilesOrAnotherKind) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string a = CopyFixture("sample.dll", tavrin.StartFolder(), "a.dll");
    const std::string b = CopyFixture("many_groups.dll", tavrin.StartFolder(), "b.dll");
    const std::string text = CopyFixture("sample.dll", tavrin.StartFolder(), "notes.txt");
    const struct {
        std::vector<std::string> files;
        std::string boxText;
    } cases[] = {
        {{a, b}, a + "\r\n" + b + "\r\n"},
        {{text}, text},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(tavrin.Drop(c.files));
        EXPECT_EQ(tavrin.PathBoxText(), c.boxText);
        ASSERT_TRUE(IsWindowEnabled(tavrin.Control(k按钮1Place)));
        ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
        EXPECT_TRUE(tavrin.IcoFilesBesideProgram().empty()) << c.boxText;
    }
}

TEST(TavrinDelete, RemovesExactly1To100BesideTheProgram) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const ByteVector bytes{0, 0, 1, 0, 0, 0};
    for (int i = 1; i <= 100; ++i) {
        WriteFileBytes(tavrin.ProgramFolder().File(std::to_string(i) + ".ico"), bytes);
    }
    const std::set<std::string> others{"0.ico", "01.ico", "101.ico", "a.ico", "-1.ico"};
    for (const std::string& name : others) {
        WriteFileBytes(tavrin.ProgramFolder().File(name), bytes);
    }
    WriteFileBytes(tavrin.ProgramFolder().File("1.ico.txt"), bytes);
    // The folder it was started from keeps its files.
    WriteFileBytes(tavrin.StartFolder().File("1.ico"), bytes);

    // Delete is usable at once, before anything was dropped.
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮2Place));
    EXPECT_EQ(NamesIn(tavrin.IcoFilesBesideProgram()), others);
    EXPECT_TRUE(std::filesystem::exists(tavrin.ProgramFolder().File("1.ico.txt")));
    EXPECT_TRUE(std::filesystem::exists(tavrin.ProgramFolder().File("tavrin.exe")));
    EXPECT_TRUE(std::filesystem::exists(tavrin.StartFolder().File("1.ico")));

    // Pressed again with nothing left to delete, it changes nothing.
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮2Place));
    EXPECT_EQ(NamesIn(tavrin.IcoFilesBesideProgram()), others);
}

TEST(TavrinDelete, RemovesWhatExtractWrote) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    ASSERT_TRUE(tavrin.Drop({CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll")}));
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    ASSERT_EQ(tavrin.IcoFilesBesideProgram().size(), 3u);
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮2Place));
    EXPECT_TRUE(tavrin.IcoFilesBesideProgram().empty());
}

}  // namespace
}  // namespace tavrin::test
