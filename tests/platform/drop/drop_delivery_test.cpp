// What the component asks a data object and what it raises on a drop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win/drop/com_ptr.h"
#include "tests/platform/drop/support/drop_fixture.h"
#include "tests/platform/drop/support/file_list_block.h"

namespace tavrin::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Event = std::pair<std::string, std::string>;

const CLIPFORMAT kHtml = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("HTML Format"));
const CLIPFORMAT kUrl = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("UniformResourceLocator"));
constexpr platform::DropTargetSettings kFilesOnly{.acceptFiles = true};
constexpr platform::DropTargetSettings kEverything{true, true, true, true};

std::vector<std::byte> Bytes(std::string_view text) {
    const auto* begin = reinterpret_cast<const std::byte*>(text.data());
    return {begin, begin + text.size()};
}

std::vector<CLIPFORMAT> FormatsOf(const std::vector<FORMATETC>& calls) {
    std::vector<CLIPFORMAT> formats;
    for (const FORMATETC& call : calls) {
        formats.push_back(call.cfFormat);
    }
    return formats;
}

// --- The file text -----------------------------------------------------------

struct FileTextCase {
    std::string name;
    std::vector<std::byte> fileList;
    std::string expected;
};

std::vector<FileTextCase> FileTextCases() {
    const std::string longPath = "C:\\" + std::string(400, 'd') + "\\deep.exe";
    return {
        {"AnsiNoFile", AnsiFileListBlock({}), ""},
        {"AnsiOneFile", AnsiFileListBlock({"C:\\Tools\\app one.exe"}), "C:\\Tools\\app one.exe"},
        {"AnsiTwoFiles", AnsiFileListBlock({"C:\\a.dll", "D:\\b.ico"}),
         "C:\\a.dll\r\nD:\\b.ico\r\n"},
        {"AnsiThreeFiles", AnsiFileListBlock({"a", "b", "c"}), "a\r\nb\r\nc\r\n"},
        {"AnsiLongerThanMaxPath", AnsiFileListBlock({longPath}), longPath},
        {"AnsiBytesPassUnchanged", AnsiFileListBlock({"C:\\\xD6\xD0\xCE\xC4.exe"}),
         "C:\\\xD6\xD0\xCE\xC4.exe"},
        {"AnsiDirectory", AnsiFileListBlock({"C:\\Windows\\"}), "C:\\Windows\\"},
        {"WideNoFile", WideFileListBlock({}), ""},
        {"WideOneFile", WideFileListBlock({L"C:\\Tools\\app one.exe"}), "C:\\Tools\\app one.exe"},
        {"WideTwoFiles", WideFileListBlock({L"C:\\a.dll", L"D:\\b.ico"}),
         "C:\\a.dll\r\nD:\\b.ico\r\n"},
    };
}

class FileTextTest : public DropFixture, public ::testing::WithParamInterface<FileTextCase> {};

TEST_P(FileTextTest, FileReceivedCarriesTheJoinedPathsOnce) {
    MakeTarget(kFilesOnly);
    const auto data = TestDataObject::Make({{CF_HDROP, GetParam().fileList}});

    ASSERT_EQ(DragEnter(data.Get(), 0), DROPEFFECT_COPY);
    EXPECT_EQ(Drop(data.Get(), 0), DROPEFFECT_COPY);

    EXPECT_THAT(events_, ElementsAre(Event{"files", GetParam().expected}));
    EXPECT_EQ(data->mediaHandedOut, 1);
    EXPECT_EQ(data->mediaReleased, 1);
}

INSTANTIATE_TEST_SUITE_P(Lists, FileTextTest, ::testing::ValuesIn(FileTextCases()),
                         [](const auto& tested) { return tested.param.name; });

// --- What is asked -----------------------------------------------------------

using DropDeliveryTest = DropFixture;

TEST_F(DropDeliveryTest, QueriesAndFetchesAskForWholeContentInGlobalMemory) {
    MakeTarget(kFilesOnly);
    const auto data = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    DragEnter(data.Get(), 0);
    Drop(data.Get(), 0);

    const FORMATETC expected{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    ASSERT_EQ(data->queries.size(), 1u);
    ASSERT_EQ(data->fetches.size(), 1u);
    EXPECT_TRUE(SameFormatEtc(data->queries[0], expected));
    EXPECT_TRUE(SameFormatEtc(data->fetches[0], expected));
}

TEST_F(DropDeliveryTest, TextOnlyDataIsRefusedAndNothingFetched) {
    MakeTarget(kFilesOnly);
    const auto data = TestDataObject::Make({{CF_TEXT, Bytes("hello")}, {kUrl, Bytes("http://a")}});

    EXPECT_EQ(DragEnter(data.Get(), 0), DROPEFFECT_NONE);
    EXPECT_EQ(Drop(data.Get(), 0), DROPEFFECT_NONE);

    EXPECT_THAT(FormatsOf(data->queries), ElementsAre(CF_HDROP));
    EXPECT_THAT(data->fetches, IsEmpty());
    EXPECT_THAT(events_, IsEmpty());
}

TEST_F(DropDeliveryTest, OnlyAnExactSOkCountsAsOffered) {
    for (const HRESULT answer : {S_FALSE, DV_E_TYMED, E_UNEXPECTED}) {
        MakeTarget(kFilesOnly);
        OfferedFormat files{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})};
        files.queryResult = answer;
        const auto data = TestDataObject::Make({files});

        EXPECT_EQ(DragEnter(data.Get(), 0), DROPEFFECT_NONE) << std::hex << answer;
        EXPECT_EQ(Drop(data.Get(), 0), DROPEFFECT_NONE) << std::hex << answer;
        EXPECT_THAT(events_, IsEmpty());
    }
}

TEST_F(DropDeliveryTest, DragOverKeepsTheAnswerOfDragEnterWithoutAskingAgain) {
    MakeTarget(kFilesOnly);
    const auto data = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    DragEnter(data.Get(), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(DragOver(0), DROPEFFECT_COPY);
    }

    EXPECT_EQ(data->queries.size(), 1u);
}

TEST_F(DropDeliveryTest, DragLeaveClearsTheAcceptance) {
    MakeTarget(kFilesOnly);
    const auto data = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    ASSERT_EQ(DragEnter(data.Get(), 0), DROPEFFECT_COPY);
    EXPECT_EQ(target_->ComObject()->DragLeave(), S_OK);

    EXPECT_EQ(DragOver(0), DROPEFFECT_NONE);
    EXPECT_EQ(Drop(data.Get(), 0), DROPEFFECT_NONE);
    EXPECT_THAT(events_, IsEmpty());
}

TEST_F(DropDeliveryTest, AcceptanceLastsFromDropToTheNextDragEnter) {
    MakeTarget(kFilesOnly);
    const auto files = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});
    const auto text = TestDataObject::Make({{CF_TEXT, Bytes("hello")}});

    DragEnter(files.Get(), 0);
    Drop(files.Get(), 0);
    EXPECT_EQ(DragOver(0), DROPEFFECT_COPY);

    EXPECT_EQ(DragEnter(text.Get(), 0), DROPEFFECT_NONE);
    EXPECT_EQ(DragOver(0), DROPEFFECT_NONE);
}

TEST_F(DropDeliveryTest, GetDataFailingAtDropRaisesNothing) {
    MakeTarget(kFilesOnly);
    OfferedFormat files{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})};
    files.getResult = E_OUTOFMEMORY;
    const auto data = TestDataObject::Make({files});

    ASSERT_EQ(DragEnter(data.Get(), 0), DROPEFFECT_COPY);
    EXPECT_EQ(Drop(data.Get(), 0), DROPEFFECT_COPY);  // the chosen effect stays

    EXPECT_EQ(data->fetches.size(), 1u);
    EXPECT_THAT(events_, IsEmpty());
}

TEST_F(DropDeliveryTest, MalformedFileListRaisesNothingAndIsReleased) {
    MakeTarget(kFilesOnly);
    auto block = AnsiFileListBlock({"C:\\x.exe"});
    block.resize(block.size() - 2);  // the last path and the list lose their ends
    const auto data = TestDataObject::Make({{CF_HDROP, block}});

    DragEnter(data.Get(), 0);
    Drop(data.Get(), 0);

    EXPECT_THAT(events_, IsEmpty());
    EXPECT_EQ(data->mediaReleased, data->mediaHandedOut);
}

// --- Several kinds -----------------------------------------------------------

TEST_F(DropDeliveryTest, DragEnterTestsTextFilesUrlHtmlInThatOrder) {
    MakeTarget(kEverything);
    const auto nothing = TestDataObject::Make({});
    const auto url = TestDataObject::Make({{kUrl, Bytes("http://example.org/")}});

    EXPECT_EQ(DragEnter(nothing.Get(), 0), DROPEFFECT_NONE);
    EXPECT_EQ(DragEnter(url.Get(), 0), DROPEFFECT_COPY);

    EXPECT_THAT(FormatsOf(nothing->queries), ElementsAre(CF_TEXT, CF_HDROP, kUrl, kHtml));
    EXPECT_THAT(FormatsOf(url->queries), ElementsAre(CF_TEXT, CF_HDROP, kUrl));
}

TEST_F(DropDeliveryTest, DropDeliversTextHtmlUrlFilesInThatOrder) {
    MakeTarget(kEverything);
    const auto data = TestDataObject::Make({
        {CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})},
        {kUrl, Bytes("http://example.org/")},
        {kHtml, Bytes("<b>bold</b>")},
        {CF_TEXT, Bytes("plain")},
    });

    DragEnter(data.Get(), 0);
    Drop(data.Get(), 0);

    EXPECT_THAT(events_,
                ElementsAre(Event{"text", "plain"}, Event{"html", "<b>bold</b>"},
                            Event{"url", "http://example.org/"}, Event{"files", "C:\\x.exe"}));
    EXPECT_EQ(data->mediaReleased, 4);
}

TEST_F(DropDeliveryTest, KindsSwitchedOffAreNeitherAskedNorDelivered) {
    MakeTarget(kFilesOnly);
    const auto data = TestDataObject::Make({
        {CF_TEXT, Bytes("plain")},
        {kHtml, Bytes("<i>x</i>")},
        {kUrl, Bytes("http://example.org/")},
        {CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})},
    });

    DragEnter(data.Get(), 0);
    Drop(data.Get(), 0);

    EXPECT_THAT(FormatsOf(data->fetches), ElementsAre(CF_HDROP));
    EXPECT_THAT(events_, ElementsAre(Event{"files", "C:\\x.exe"}));
}

TEST_F(DropDeliveryTest, KindsTheDataCannotGiveAreSkipped) {
    MakeTarget(kEverything);
    OfferedFormat html{kHtml, Bytes("<i>x</i>")};
    html.getResult = DV_E_FORMATETC;
    const auto data = TestDataObject::Make({html, {CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    DragEnter(data.Get(), 0);
    Drop(data.Get(), 0);

    EXPECT_THAT(events_, ElementsAre(Event{"files", "C:\\x.exe"}));
}

TEST_F(DropDeliveryTest, TextEndsAtItsFirstNulOrAtTheEndOfTheBlock) {
    MakeTarget({.acceptText = true});
    const auto unterminated = TestDataObject::Make({{CF_TEXT, Bytes("no end")}});
    const auto early = TestDataObject::Make({{CF_TEXT, Bytes(std::string_view("ab\0cd", 5))}});

    DragEnter(unterminated.Get(), 0);
    Drop(unterminated.Get(), 0);
    DragEnter(early.Get(), 0);
    Drop(early.Get(), 0);

    EXPECT_THAT(events_, ElementsAre(Event{"text", "no end"}, Event{"text", "ab"}));
}

// --- Handlers ----------------------------------------------------------------

TEST_F(DropDeliveryTest, AnEventWithoutHandlerIsRaisedIntoNothing) {
    MakeTarget(kFilesOnly);
    target_->FileReceived = nullptr;
    const auto data = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    DragEnter(data.Get(), 0);
    EXPECT_EQ(Drop(data.Get(), 0), DROPEFFECT_COPY);
    EXPECT_EQ(data->mediaReleased, 1);
}

TEST_F(DropDeliveryTest, AThrowingHandlerNeverReachesOle) {
    MakeTarget(kFilesOnly);
    target_->FileReceived = [](const char*) { throw std::runtime_error("handler failed"); };
    const auto data = TestDataObject::Make({{CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    DragEnter(data.Get(), 0);
    Drop(data.Get(), 0);  // answers E_FAIL and returns normally

    EXPECT_EQ(data->mediaReleased, 1);
}

TEST_F(DropDeliveryTest, AHandlerMayEndTheComponentMidDrop) {
    MakeTarget({.acceptText = true, .acceptFiles = true});
    target_->TextReceived = [this](const char* text) {
        events_.emplace_back("text", text);
        window_.Destroy();  // the form closes from inside the drop
    };
    const auto object = platform::ComPtr<IDropTarget>::Share(target_->ComObject());
    const auto data = TestDataObject::Make(
        {{CF_TEXT, Bytes("plain")}, {CF_HDROP, AnsiFileListBlock({"C:\\x.exe"})}});

    DWORD effect = kAllEffects;
    ASSERT_EQ(object->DragEnter(data.Get(), 0, POINTL{}, &effect), S_OK);
    effect = kAllEffects;
    EXPECT_EQ(object->Drop(data.Get(), 0, POINTL{}, &effect), E_FAIL);

    EXPECT_THAT(events_, ElementsAre(Event{"text", "plain"}));
    EXPECT_EQ(data->mediaReleased, data->mediaHandedOut);
    IDropTarget* last = object.Get();
    last->AddRef();
    EXPECT_EQ(last->Release(), 1u);  // only this test's reference is left
}

}  // namespace
}  // namespace tavrin::test
