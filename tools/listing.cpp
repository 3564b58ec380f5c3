#include "tools/listing.h"

#include "platform/locale/user_language.h"
#include "tools/group_lookup.h"
#include "tools/problem_text.h"
#include "tools/selection.h"

namespace tavrin::tools {
namespace {

using icons::GroupKind;
using json = nlohmann::ordered_json;

void LabelJson(json& entry, const ResourceLabel& label) {
    entry["id"] = label.id ? json(*label.id) : json(nullptr);
    entry["name"] = label.name ? json(label.name->utf8) : json(nullptr);
    if (label.name && label.name->raw) {
        entry["nameRaw"] = *label.name->raw;
    }
}

std::string LabelText(const ResourceLabel& label) {
    if (label.id) {
        return ", id " + std::to_string(*label.id);
    }
    if (label.name) {
        return ", name \"" + PrintableName(*label.name) + "\"";
    }
    return "";
}

json ImageJson(const icons::IconImage& image, GroupKind kind) {
    json entry = {{"width", image.width},
                  {"height", image.height},
                  {"bitCount", image.bitCount},
                  {"png", image.isPng},
                  {"bytes", image.size}};
    if (kind == GroupKind::kCursor) {
        entry["hotspotX"] = image.hotspotX;
        entry["hotspotY"] = image.hotspotY;
    }
    return entry;
}

std::string ImageText(const icons::IconImage& image, GroupKind kind) {
    std::string text = "    " + std::to_string(image.width) + "x" + std::to_string(image.height) +
                       ", " + std::to_string(image.bitCount) + "-bit, " +
                       (image.isPng ? "PNG" : "bitmap") + ", " + std::to_string(image.size) +
                       " bytes";
    if (kind == GroupKind::kCursor) {
        text +=
            ", hotspot " + std::to_string(image.hotspotX) + "," + std::to_string(image.hotspotY);
    }
    return text + "\n";
}

}  // namespace

SourceReport ListSource(const SourceTask& task, const Options& options) {
    SourceReport report;
    const GroupKind kind = options.cursors ? GroupKind::kCursor : GroupKind::kIcon;
    json& listed = report.listed;
    listed["source"] = task.path;
    const auto fail = [&](const std::string& reason) {
        report.errors += "tavrin-extract: " + task.path + ": " + reason + "\n";
        listed["error"] = reason;
        report.failed = 1;
        return report;
    };
    const auto userLanguage = platform::UserLanguage();
    const OpenedSource opened = OpenAndSelect(task, kind, options, userLanguage);
    if (!opened.problem.empty()) {
        return fail(opened.problem);
    }
    const icons::IconSource& source = *opened.source;
    const Selection& selection = opened.selection;

    listed["format"] = FormatName(source);
    listed["mun"] = source.ResourceFile().empty() ? json(nullptr) : json(source.ResourceFile());
    report.out += task.path + " (" + FormatName(source) +
                  (source.ResourceFile().empty() ? "" : ", read from " + source.ResourceFile()) +
                  ")\n";
    json& groups = listed["groups"] = json::array();
    const char* word = options.cursors ? "cursor group " : "group ";
    for (const Pick& pick : selection.picks) {
        const ResourceLabel label = LabelOf(source, source.GroupName(pick.position, kind));
        json entry = {{"position", pick.position + 1}};
        LabelJson(entry, label);
        entry["language"] = pick.language ? json(*pick.language) : json(nullptr);
        report.out += "  " + (word + std::to_string(pick.position + 1)) + LabelText(label) +
                      (pick.language ? ", language " + LanguageText(*pick.language) : "");
        auto group = source.GroupAt(pick.position, kind, pick.wanted);
        if (!group.set) {
            const char* reason = Reason(group.problem, kind);
            entry["images"] = nullptr;
            entry["error"] = reason;
            report.out += std::string(": ") + reason + "\n";
            groups.push_back(std::move(entry));
            ++report.written;
            continue;
        }
        if (options.size) {
            KeepClosestImage(*group.set, *options.size);
        }
        report.out += "\n";
        json& images = entry["images"] = json::array();
        for (const auto& image : group.set->images) {
            images.push_back(ImageJson(image, kind));
            report.out += ImageText(image, kind);
        }
        groups.push_back(std::move(entry));
        ++report.written;
    }
    if (options.cursors && !SelectsOne(options)) {
        json& animated = listed["animatedCursors"] = json::array();
        const auto* resources = source.Resources();
        for (std::size_t position = 0; position < source.AnimatedCursorCount(); ++position) {
            const ResourceLabel label =
                LabelOf(source, resources->NameAt(icons::kResourceTypeAnimatedCursor, position));
            const auto bytes = source.AnimatedCursorAt(position);
            json entry = {{"position", position + 1}};
            LabelJson(entry, label);
            entry["bytes"] = bytes ? json(bytes->size()) : json(nullptr);
            report.out +=
                "  animated cursor " + std::to_string(position + 1) + LabelText(label) +
                (bytes ? ", " + std::to_string(bytes->size()) + " bytes\n" : ": cannot be read\n");
            animated.push_back(std::move(entry));
            report.written += bytes ? 1 : 0;
        }
    }
    return report;
}

}  // namespace tavrin::tools
