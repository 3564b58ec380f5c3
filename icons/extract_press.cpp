#include "icons/extract_press.h"

#include "icons/kept_source.h"

namespace tavrin::icons {
namespace {

struct Kept {
    std::string path;
    std::optional<std::uint16_t> userLanguage;
    platform::FileIdentity identity;
    IconSource source;
};

struct PressState {
    int depth = 0;  // presses under way; a press inside a press changes nothing
    std::optional<Kept> kept;
};

PressState& State() {
    static PressState state;
    return state;
}

}  // namespace

ExtractPress::ExtractPress() {
    ++State().depth;
}

ExtractPress::~ExtractPress() {
    if (--State().depth == 0) {
        State().kept.reset();
    }
}

const IconSource* KeptSourceFor(const std::string& path,
                                std::optional<std::uint16_t> userLanguage) {
    auto& kept = State().kept;
    if (!kept) {
        return nullptr;
    }
    if (kept->path == path && kept->userLanguage == userLanguage &&
        platform::IdentityOfPath(path) == kept->identity) {
        return &kept->source;
    }
    kept.reset();
    return nullptr;
}

void OfferToPress(const std::string& path, std::optional<std::uint16_t> userLanguage,
                  IconSource source) {
    auto& state = State();
    if (state.depth == 0) {
        return;
    }
    const auto identity = source.ModuleIdentity();
    if (!identity) {
        return;
    }
    state.kept.emplace(Kept{path, userLanguage, *identity, std::move(source)});
}

}  // namespace tavrin::icons
