#include "platform/win/drop/drop_kind.h"

namespace tavrin::platform {
namespace {

CLIPFORMAT RegisteredFormat(const char* name) {
    // Registration is idempotent and process-wide; 0 (failure) matches no data.
    return static_cast<CLIPFORMAT>(RegisterClipboardFormatA(name));
}

}  // namespace

bool IsSwitchedOn(const DropTargetSettings& settings, DropKind kind) {
    switch (kind) {
        case DropKind::Text:
            return settings.acceptText;
        case DropKind::Html:
            return settings.acceptHtml;
        case DropKind::Url:
            return settings.acceptUrl;
        case DropKind::Files:
            return settings.acceptFiles;
    }
    return false;
}

CLIPFORMAT ClipboardFormatOf(DropKind kind) {
    switch (kind) {
        case DropKind::Text:
            return CF_TEXT;
        case DropKind::Html:
            return RegisteredFormat("HTML Format");
        case DropKind::Url:
            return RegisteredFormat("UniformResourceLocator");
        case DropKind::Files:
            return CF_HDROP;
    }
    return 0;
}

FORMATETC GlobalMemoryFormatOf(DropKind kind) {
    return FORMATETC{ClipboardFormatOf(kind), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

}  // namespace tavrin::platform
