#include <gtest/gtest.h>

#include <string>

#include "icons/extract_icon_group.h"
#include "icons/icon_group.h"
#include "icons/icon_source.h"
#include "icons/resource_file.h"
#include "tests/modules/sample_modules.h"
#include "tests/modules/temp_tree.h"
#include "tests/support/expected_ico.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/pe_builder.h"

namespace tavrin::test {
namespace {

using icons::ExtractIconGroup;
using icons::ExtractProblem;
using icons::ResourceFilePathFor;

struct PathCase {
    const char* module;
    const char* resourceFile;
};

const PathCase kPathCases[] = {
    {"/w/System32/imageres.dll", "/w/System32/../SystemResources/imageres.dll.mun"},
    {"System32/shell32.dll", "System32/../SystemResources/shell32.dll.mun"},
    {"/imageres.dll", "/../SystemResources/imageres.dll.mun"},
    {"/w/System32/", ""},
    {"", ""},
#ifdef _WIN32
    {"C:\\Windows\\System32\\imageres.dll",
     "C:\\Windows\\System32\\..\\SystemResources\\imageres.dll.mun"},
    {"C:\\Windows/System32\\a.dll", "C:\\Windows/System32\\..\\SystemResources\\a.dll.mun"},
    {"C:\\Windows\\System32/a.dll", "C:\\Windows\\System32/../SystemResources/a.dll.mun"},
    {"\\\\host\\share\\a.dll", "\\\\host\\share\\..\\SystemResources\\a.dll.mun"},
    {"C:a.dll", "C:..\\SystemResources\\a.dll.mun"},
    {"a.dll", "..\\SystemResources\\a.dll.mun"},
    {"C:\\Windows\\", ""},
#else
    {"imageres.dll", "../SystemResources/imageres.dll.mun"},
    // A backslash is part of a POSIX file name.
    {"/w/System32\\a.dll", "/w/../SystemResources/System32\\a.dll.mun"},
    {"C:a.dll", "../SystemResources/C:a.dll.mun"},
#endif
};

TEST(ResourceFilePath, IsBesideTheModulesFolder) {
    for (const PathCase& c : kPathCases) {
        EXPECT_EQ(ResourceFilePathFor(c.module), c.resourceFile) << c.module;
    }
}

// --- Reading a module through its resource file -------------------------------

// The separators a path may use here: Windows takes both.
#ifdef _WIN32
const char kSeparators[] = {'\\', '/'};
#else
const char kSeparators[] = {'/'};
#endif

class ResourceFile : public ::testing::TestWithParam<char> {
  protected:
    std::string PathOf(std::string_view relative) const { return tree_.Path(relative, GetParam()); }

    TempTree tree_;
};

TEST_P(ResourceFile, GivesTheGroupsOfAModuleThatHasNone) {
    const SampleModule resources = ThreeGroupModule();
    tree_.Write("Windows/System32/imageres.dll", ModuleWithoutGroups().bytes);
    tree_.Write("Windows/SystemResources/imageres.dll.mun", resources.file.bytes);
    const std::string module = PathOf("Windows/System32/imageres.dll");

    EXPECT_EQ(icons::IconSource::Open(module, std::nullopt).GroupCount(), 3u);
    for (int index = 1; index <= 3; ++index) {
        const std::string output = PathOf(std::to_string(index) + ".ico");
        ASSERT_EQ(ExtractIconGroup(module.c_str(), 0, output.c_str(), index), 3);
        EXPECT_EQ(ReadFileBytes(output), ExpectedIco(resources.groups[index - 1])) << index;
    }
    const std::string beyond = PathOf("4.ico");
    EXPECT_EQ(ExtractIconGroup(module.c_str(), 0, beyond.c_str(), 4), 0);
    EXPECT_FALSE(ReadFileBytes(beyond));

    const auto apple = icons::LoadIconGroup(module, u"APPLE");
    ASSERT_TRUE(apple);
    ASSERT_EQ(apple->images.size(), 1u);
    EXPECT_TRUE(std::ranges::equal(apple->images[0].bytes(), resources.groups[1][0]));
}

TEST_P(ResourceFile, ServesPeModulesAsWindowsKeepsThem) {
    // As current Windows ships imageres.dll: a PE module with images but no
    // icon group, and a PE resource file with the groups.
    const ByteVector image = DibImage(32, 32, 8, 0x3C);
    const auto module = BuildPe({{icons::kResourceTypeIcon, std::uint16_t{1}, 0x0409, image}});
    const auto resourceFile = BuildPe({
        {icons::kResourceTypeGroupIcon, u"SHIELD", 0x0409, GroupDirectory({5})},
        {icons::kResourceTypeIcon, std::uint16_t{5}, 0x0409, image},
    });
    tree_.Write("Windows/System32/imageres.dll", module.bytes);
    tree_.Write("Windows/SystemResources/imageres.dll.mun", resourceFile.bytes);
    const std::string source = PathOf("Windows/System32/imageres.dll");
    const std::string output = PathOf("1.ico");

    ASSERT_EQ(ExtractIconGroup(source.c_str(), 0, output.c_str(), 1), 1);
    EXPECT_EQ(ReadFileBytes(output), ExpectedIco({image}));
    EXPECT_TRUE(icons::LoadIconGroup(source, u"shield"));
}

TEST_P(ResourceFile, IsIgnoredByAModuleWithGroupsOfItsOwn) {
    const SampleModule own = ManyGroupModule(1);
    tree_.Write("Windows/System32/shell32.dll", own.file.bytes);
    tree_.Write("Windows/SystemResources/shell32.dll.mun", ThreeGroupModule().file.bytes);
    const std::string module = PathOf("Windows/System32/shell32.dll");
    const std::string output = PathOf("1.ico");

    ASSERT_EQ(ExtractIconGroup(module.c_str(), 0, output.c_str(), 1), 1);
    EXPECT_EQ(ReadFileBytes(output), ExpectedIco(own.groups[0]));
    EXPECT_FALSE(icons::LoadIconGroup(module, u"APPLE"));
    EXPECT_TRUE(icons::LoadIconGroup(module, std::uint16_t{1}));
}

TEST_P(ResourceFile, LeavesAModuleWithoutOneAsItIs) {
    struct Case {
        const char* name;
        ByteVector module;
        ByteVector resourceFile;  // none written when empty
        ExtractProblem problem;
    };
    const ByteVector notAModule = {'t', 'e', 'x', 't'};
    const Case cases[] = {
        {"noResourceFile", ModuleWithoutGroups().bytes, {}, ExtractProblem::kNoIconGroups},
        {"resourceFileWithoutGroups", ModuleWithoutGroups().bytes, ModuleWithoutGroups().bytes,
         ExtractProblem::kNoIconGroups},
        {"resourceFileNotAModule", ModuleWithoutGroups().bytes, notAModule,
         ExtractProblem::kNoIconGroups},
        // Only a module's own missing groups lead to its resource file.
        {"sourceNotAModule", notAModule, ThreeGroupModule().file.bytes,
         ExtractProblem::kNotAModule},
    };
    for (const Case& c : cases) {
        const std::string folder = std::string(c.name) + "/System32/";
        tree_.Write(folder + "a.dll", c.module);
        if (!c.resourceFile.empty()) {
            tree_.Write(std::string(c.name) + "/SystemResources/a.dll.mun", c.resourceFile);
        }
        const std::string module = PathOf(folder + "a.dll");
        const std::string output = PathOf(std::string(c.name) + ".ico");

        const auto source = icons::IconSource::Open(module, std::nullopt);
        EXPECT_EQ(source.GroupCount(), 0u) << c.name;
        EXPECT_EQ(source.Problem(), c.problem) << c.name;
        EXPECT_EQ(ExtractIconGroup(module.c_str(), 0, output.c_str(), 1), 0) << c.name;
        EXPECT_FALSE(ReadFileBytes(output)) << c.name;
        EXPECT_FALSE(icons::LoadIconGroup(module, u"APPLE")) << c.name;
    }
}

TEST_P(ResourceFile, IsLookedForBesideTheModulesFolderOnly) {
    // Beside the module, or in a SystemResources folder inside its folder,
    // a resource file is not the module's.
    tree_.Write("Windows/System32/a.dll", ModuleWithoutGroups().bytes);
    tree_.Write("Windows/System32/a.dll.mun", ThreeGroupModule().file.bytes);
    tree_.Write("Windows/System32/SystemResources/a.dll.mun", ThreeGroupModule().file.bytes);
    tree_.Write("SystemResources/a.dll.mun", ThreeGroupModule().file.bytes);
    EXPECT_EQ(icons::IconSource::Open(PathOf("Windows/System32/a.dll"), std::nullopt).GroupCount(),
              0u);
}

std::string SeparatorName(const ::testing::TestParamInfo<char>& param) {
    return param.param == '/' ? "slash" : "backslash";
}

INSTANTIATE_TEST_SUITE_P(Separators, ResourceFile, ::testing::ValuesIn(kSeparators), SeparatorName);

}  // namespace
}  // namespace tavrin::test
