// The component's window, registration, COM identity and end.
#include <gtest/gtest.h>

#include "platform/win/drop/com_ptr.h"
#include "platform/win/drop/drop_target.h"
#include "tests/platform/drop/support/drop_fixture.h"
#include "tests/platform/drop/support/file_list_block.h"
#include "tests/platform/drop/support/test_window.h"

namespace tavrin::test {
namespace {

using platform::ComPtr;
using platform::DropTarget;

constexpr platform::DropTargetSettings kFilesOnly{.acceptFiles = true};

// The references an object holds besides the caller's, read by a balanced
// AddRef/Release pair.
ULONG OtherReferences(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

TEST(DropTargetCreateTest, NeedsAContainerWindow) {
    EXPECT_EQ(DropTarget::Create(nullptr, kFilesOnly), nullptr);
}

TEST(DropTargetCreateTest, ChildWindowStaysHiddenWhateverItIsAsked) {
    TestWindow container({0, 0, 300, 200}, true);
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);
    const HWND child = target->ChildWindow();

    ASSERT_TRUE(IsWindow(child));
    EXPECT_EQ(GetParent(child), container.Get());
    EXPECT_EQ(target->ContainerWindow(), container.Get());
    EXPECT_FALSE(IsWindowVisible(child));

    ShowWindow(child, SW_SHOW);
    EXPECT_FALSE(IsWindowVisible(child));
    SetWindowPos(child, nullptr, 0, 96, 26, 26, SWP_SHOWWINDOW | SWP_NOZORDER);
    EXPECT_FALSE(IsWindowVisible(child));
    SetWindowLongPtrW(child, GWL_STYLE, GetWindowLongPtrW(child, GWL_STYLE) | WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(child));
}

TEST(DropTargetRegisterTest, FirstRegistrationSucceedsAndASecondIsRefused) {
    TestWindow container;
    TestWindow other;
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);

    EXPECT_TRUE(target->RegisterDropWindow(container.Get()));
    EXPECT_FALSE(target->RegisterDropWindow(container.Get()));
    EXPECT_FALSE(target->RegisterDropWindow(other.Get()));
    EXPECT_EQ(target->RegisteredWindow(), container.Get());

    // The refused attempt did not register the other window.
    DropTarget* second = DropTarget::Create(other.Get(), kFilesOnly);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->RegisterDropWindow(other.Get()));
}

TEST(DropTargetRegisterTest, AFailedFirstAttemptStillCountsAsTheOne) {
    TestWindow container;
    HWND gone;
    {
        TestWindow destroyed;
        gone = destroyed.Get();
    }
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);

    EXPECT_FALSE(target->RegisterDropWindow(gone));
    EXPECT_EQ(target->RegisteredWindow(), gone);
    EXPECT_FALSE(target->RegisterDropWindow(container.Get()));

    DropTarget* second = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->RegisterDropWindow(container.Get()));  // still free
}

TEST(DropTargetRegisterTest, AWindowWithATargetAlreadyRefusesAndIsRecorded) {
    TestWindow container;
    TestWindow fresh;
    DropTarget* first = DropTarget::Create(container.Get(), kFilesOnly);
    DropTarget* second = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(first->RegisterDropWindow(container.Get()));

    EXPECT_FALSE(second->RegisterDropWindow(container.Get()));
    EXPECT_FALSE(second->RegisterDropWindow(fresh.Get()));
}

TEST(DropTargetRegisterTest, ANullWindowRecordsNothing) {
    TestWindow container;
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);

    EXPECT_FALSE(target->RegisterDropWindow(nullptr));
    EXPECT_EQ(target->RegisteredWindow(), nullptr);
    EXPECT_TRUE(target->RegisterDropWindow(container.Get()));
}

TEST(DropTargetComTest, AnswersForIUnknownAndIDropTargetOnly) {
    TestWindow container;
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);
    IDropTarget* object = target->ComObject();

    for (const IID* iid : {&IID_IUnknown, &IID_IDropTarget}) {
        void* answer = nullptr;
        ASSERT_EQ(object->QueryInterface(*iid, &answer), S_OK);
        EXPECT_EQ(answer, static_cast<void*>(object));
        EXPECT_EQ(OtherReferences(object), 2u);  // the answer holds one
        object->Release();
    }
    for (const IID* iid :
         {&IID_IDataObject, &IID_IDropSource, &IID_IMarshal, &IID_IClassFactory, &IID_IOleWindow}) {
        void* answer = &container;
        EXPECT_EQ(object->QueryInterface(*iid, &answer), E_NOINTERFACE);
        EXPECT_EQ(answer, nullptr);
    }
    EXPECT_EQ(object->QueryInterface(IID_IDropTarget, nullptr), E_POINTER);
    EXPECT_EQ(OtherReferences(object), 1u);
}

TEST(DropTargetComTest, StartsWithTheComponentsOneReferenceAndOleNeverEndsIt) {
    TestWindow container;
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);
    IDropTarget* object = target->ComObject();
    EXPECT_EQ(OtherReferences(object), 1u);

    ASSERT_TRUE(target->RegisterDropWindow(container.Get()));
    EXPECT_GT(OtherReferences(object), 1u);
    EXPECT_EQ(RevokeDragDrop(container.Get()), S_OK);

    EXPECT_EQ(OtherReferences(object), 1u);
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(object->DragOver(0, POINTL{}, &effect), S_OK);  // still alive and answering
}

TEST(DropTargetEndTest, DestroyingTheContainerRevokesAndReleasesEverything) {
    TestWindow container;
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->RegisterDropWindow(container.Get()));
    const HWND child = target->ChildWindow();
    const auto object = ComPtr<IDropTarget>::Share(target->ComObject());

    container.Destroy();

    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(OtherReferences(object.Get()), 1u);  // neither OLE nor the component holds it
}

TEST(DropTargetEndTest, EndingTheComponentFreesItsContainersRegistration) {
    TestWindow container;
    DropTarget* first = DropTarget::Create(container.Get(), kFilesOnly);
    DropTarget* blocked = DropTarget::Create(container.Get(), kFilesOnly);
    DropTarget* later = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_TRUE(first != nullptr && blocked != nullptr && later != nullptr);
    ASSERT_TRUE(first->RegisterDropWindow(container.Get()));
    ASSERT_FALSE(blocked->RegisterDropWindow(container.Get()));

    DestroyWindow(first->ChildWindow());

    EXPECT_TRUE(later->RegisterDropWindow(container.Get()));
}

TEST(DropTargetEndTest, AnObjectOutlivingItsComponentRefusesEveryDrag) {
    TestWindow container;
    DropTarget* target = DropTarget::Create(container.Get(), kFilesOnly);
    ASSERT_NE(target, nullptr);
    bool raised = false;
    target->FileReceived = [&raised](const char*) { raised = true; };
    const auto object = ComPtr<IDropTarget>::Share(target->ComObject());
    const auto data = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    container.Destroy();

    DWORD effect = kAllEffects;
    EXPECT_EQ(object->DragEnter(data.Get(), 0, POINTL{}, &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    effect = kAllEffects;
    EXPECT_EQ(object->Drop(data.Get(), 0, POINTL{}, &effect), E_FAIL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_FALSE(raised);
}

}  // namespace
}  // namespace tavrin::test
