#pragma once
#include <windows.h>

#include <array>

#include "platform/win/drop/drop_target.h"

namespace tavrin::platform {

// The kinds of dropped data the component knows, each with its own switch
// and event.
enum class DropKind { Text, Html, Url, Files };

// DragEnter stops at the first offered kind in this order; Drop delivers
// every kind it can get in the other.
inline constexpr std::array<DropKind, 4> kEnterTestOrder = {DropKind::Text, DropKind::Files,
                                                            DropKind::Url, DropKind::Html};
inline constexpr std::array<DropKind, 4> kDeliveryOrder = {DropKind::Text, DropKind::Html,
                                                           DropKind::Url, DropKind::Files};

bool IsSwitchedOn(const DropTargetSettings& settings, DropKind kind);

// CF_TEXT, "HTML Format", "UniformResourceLocator" (the ANSI form) or CF_HDROP.
CLIPFORMAT ClipboardFormatOf(DropKind kind);

// The one way each kind is asked for: its format as whole-content global memory.
FORMATETC GlobalMemoryFormatOf(DropKind kind);

}  // namespace tavrin::platform
