// The manifest built into tavrin.exe: Windows refuses a program whose own
// identity names another architecture than the program's.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

namespace tavrin::test {
namespace {

struct ModuleFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using OwnedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

std::string ManifestOf(const char* program) {
    const OwnedModule module(LoadLibraryExA(
        program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) {
        return {};
    }
    HRSRC found = FindResourceA(module.get(), MAKEINTRESOURCEA(1),  // the process manifest
                                MAKEINTRESOURCEA(24));              // RT_MANIFEST
    HGLOBAL loaded = found ? LoadResource(module.get(), found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return std::string(static_cast<const char*>(bytes), SizeofResource(module.get(), found));
}

// The processorArchitecture of the assemblyIdentity element naming `assembly`.
std::string ArchitectureOf(const std::string& manifest, const std::string& assembly) {
    const auto named = manifest.find("name=\"" + assembly + "\"");
    if (named == std::string::npos) {
        return "(no identity named " + assembly + ")";
    }
    const auto begin = manifest.rfind("<assemblyIdentity", named);
    const auto end = manifest.find("/>", named);
    const std::string element = manifest.substr(begin, end - begin);
    const std::string attribute = "processorArchitecture=\"";
    const auto value = element.find(attribute);
    if (value == std::string::npos) {
        return "(no architecture)";
    }
    const auto first = value + attribute.size();
    return element.substr(first, element.find('"', first) - first);
}

TEST(TavrinManifest, NamesTheArchitectureOfItsOwnBuild) {
    const std::string manifest = ManifestOf(TAVRIN_EXE);
    ASSERT_FALSE(manifest.empty());
    EXPECT_EQ(ArchitectureOf(manifest, "Tavrin"), sizeof(void*) == 8 ? "amd64" : "x86");
    // Common Controls 6 exists for every architecture; the loader picks its own.
    EXPECT_EQ(ArchitectureOf(manifest, "Microsoft.Windows.Common-Controls"), "*");
    EXPECT_NE(manifest.find("<activeCodePage"), std::string::npos);
}

}  // namespace
}  // namespace tavrin::test
