// The drop effect for every combination of wanted data, keys and allowed
// effects, as DragEnter, DragOver and Drop answer it.
#include <gtest/gtest.h>

#include <string>

#include "tests/platform/drop/support/drop_fixture.h"
#include "tests/platform/drop/support/file_list_block.h"

namespace tavrin::test {
namespace {

constexpr DWORD kNone = DROPEFFECT_NONE;
constexpr DWORD kCopy = DROPEFFECT_COPY;
constexpr DWORD kMove = DROPEFFECT_MOVE;
constexpr DWORD kLink = DROPEFFECT_LINK;
constexpr DWORD kButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

struct EffectCase {
    const char* name;
    bool offersFiles;
    DWORD keys;
    DWORD allowed;
    DWORD expected;
};

const EffectCase kCases[] = {
    {"UnwantedDataNoKeys", false, 0, kAllEffects, kNone},
    {"UnwantedDataCtrl", false, MK_CONTROL, kCopy, kNone},
    {"UnwantedDataShift", false, MK_SHIFT, kMove, kNone},
    {"CtrlWithCopyAllowed", true, MK_CONTROL, kAllEffects, kCopy},
    {"CtrlWithoutCopy", true, MK_CONTROL, kMove | kLink, kNone},
    {"ShiftWithMoveAllowed", true, MK_SHIFT, kAllEffects, kMove},
    {"ShiftWithoutMove", true, MK_SHIFT, kCopy | kLink, kNone},
    {"CtrlShiftAllAllowed", true, MK_CONTROL | MK_SHIFT, kAllEffects, kNone},
    {"CtrlShiftOnlyLinkAllowed", true, MK_CONTROL | MK_SHIFT, kLink, kNone},
    {"NoKeysAllAllowed", true, 0, kAllEffects, kCopy},
    {"NoKeysMoveAndLink", true, 0, kMove | kLink, kMove},
    {"NoKeysCopyAndLink", true, 0, kCopy | kLink, kCopy},
    {"NoKeysOnlyLink", true, 0, kLink, kLink},
    {"NoKeysNothingAllowed", true, 0, kNone, kNone},
    {"AltAloneIsNoKey", true, MK_ALT, kLink, kLink},
    {"MouseButtonsAreNoKeys", true, kButtons, kMove | kLink, kMove},
    {"CtrlWithAltAndButton", true, MK_CONTROL | MK_ALT | MK_LBUTTON, kCopy, kCopy},
    {"ShiftWithAltAndButton", true, MK_SHIFT | MK_ALT | MK_RBUTTON, kAllEffects, kMove},
};

class DropEffectTest : public DropFixture, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(DropEffectTest, EnterOverAndDropChooseTheSameEffect) {
    const EffectCase& c = GetParam();
    MakeTarget({.acceptFiles = true});
    const CLIPFORMAT offered = c.offersFiles ? CF_HDROP : CF_TEXT;
    const auto data = TestDataObject::Make({{offered, AnsiFileListBlock({"C:\\x.exe"})}});

    EXPECT_EQ(DragEnter(data.Get(), c.keys, c.allowed), c.expected);
    EXPECT_EQ(DragOver(c.keys, c.allowed), c.expected);
    EXPECT_EQ(Drop(data.Get(), c.keys, c.allowed), c.expected);

    const bool delivered = c.expected != kNone;
    EXPECT_EQ(events_.size(), delivered ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, DropEffectTest, ::testing::ValuesIn(kCases),
                         [](const auto& tested) { return std::string(tested.param.name); });

using DropKeysTest = DropFixture;

TEST_F(DropKeysTest, DragOverFollowsTheKeysOfTheMoment) {
    MakeTarget({.acceptFiles = true});
    const auto data = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    EXPECT_EQ(DragEnter(data.Get(), 0), DROPEFFECT_COPY);
    EXPECT_EQ(DragOver(MK_SHIFT), DROPEFFECT_MOVE);
    EXPECT_EQ(DragOver(MK_SHIFT | MK_CONTROL), DROPEFFECT_NONE);
    EXPECT_EQ(DragOver(MK_CONTROL), DROPEFFECT_COPY);
}

}  // namespace
}  // namespace tavrin::test
