#include "tools/extraction.h"

#include <span>
#include <system_error>

#include "icons/ico_file.h"
#include "icons/language_choice.h"
#include "platform/files/file.h"
#include "platform/files/path.h"
#include "platform/locale/user_language.h"
#include "tools/group_lookup.h"
#include "tools/output_naming.h"
#include "tools/png_image.h"
#include "tools/problem_text.h"
#include "tools/selection.h"

namespace tavrin::tools {
namespace {

using icons::GroupKind;

bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    auto file = platform::OutputFile::CreateAlways(path);
    return file && file->Write(bytes);
}

// One source's run: where its files go and what was said about them.
class SourceWriter {
  public:
    SourceWriter(const SourceTask& task, const Options& options, SourceReport& report)
        : task_(task), options_(options), report_(report) {
        const auto syntax = platform::NativePathSyntax();
        sourceName_ = task.path.substr(platform::FileNameStart(task.path, syntax));
        nameTemplate_ = options.nameTemplate;
        if (nameTemplate_.empty()) {
            nameTemplate_ = options.allLanguages ? "{n}-{lang}" : "{n}";
        }
        if (options.png && !NamesImage(nameTemplate_)) {
            nameTemplate_ += "-{width}x{height}-{bits}";
        }
    }

    NameFields Fields(std::size_t position, const ResourceLabel& label,
                      std::optional<std::uint16_t> language) const {
        NameFields fields;
        fields.position = position + 1;
        fields.name = label.name ? label.name->utf8 : "";
        fields.id = label.id ? std::to_string(*label.id) : fields.name;
        fields.language = language;
        fields.source = sourceName_;
        return fields;
    }

    // The path for a new file, or none when its folder cannot be made.
    std::optional<std::string> PathFor(const NameFields& fields, const std::string& extension) {
        if (!FolderReady()) {
            return std::nullopt;
        }
        const std::string name = names_.Claim(ExpandName(nameTemplate_, fields), extension);
        return platform::JoinPath(task_.outputDir, name, platform::NativePathSyntax());
    }

    void Wrote(const std::string& path, const std::string& what) {
        report_.out += path + "\t" + what + "\n";
        ++report_.written;
    }

    void Failed(const std::string& what, const std::string& reason) {
        report_.errors += Prefix() + what + ": " + reason + "\n";
        lastReason_ = reason;
        ++failedFiles_;
    }

    // A damaged group: said, but no failure of the run unless nothing else
    // is written.
    void Skipped(const std::string& what, const std::string& reason) {
        report_.errors += Prefix() + what + ": " + reason + "\n";
        lastReason_ = reason;
    }

    void Note(const std::string& text) { report_.notes += Prefix() + text + "\n"; }

    void Finish() {
        if (report_.written == 0) {
            if (!folderProblem_.empty()) {
                lastReason_ = folderProblem_;
            }
            report_.errors += "tavrin-extract: " + task_.path + ": " + lastReason_ + "\n";
            report_.failed = 1;
            return;
        }
        report_.failed = failedFiles_;
    }

    bool FolderFailed() const { return !folderProblem_.empty(); }

  private:
    bool FolderReady() {
        if (folderChecked_) {
            return folderProblem_.empty();
        }
        folderChecked_ = true;
        if (!task_.outputDir.empty()) {
            if (!platform::MakeFolders(task_.outputDir)) {
                folderProblem_ = "cannot create the folder " + task_.outputDir;
            }
        }
        return folderProblem_.empty();
    }

    std::string Prefix() const {
        return "tavrin-extract: " + (options_.batch ? task_.path + ": " : std::string());
    }

    const SourceTask& task_;
    const Options& options_;
    SourceReport& report_;
    std::string sourceName_;
    std::string nameTemplate_;
    UniqueNames names_;
    bool folderChecked_ = false;
    std::string folderProblem_;
    std::string lastReason_ = "nothing to extract";
    int failedFiles_ = 0;
};

std::string Images(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " image" : " images");
}

void WriteGroup(SourceWriter& writer, const icons::IconImageSet& set, const NameFields& fields,
                const std::string& what, bool png) {
    const std::string extension = set.kind == GroupKind::kCursor ? ".cur" : ".ico";
    if (!png) {
        const auto path = writer.PathFor(fields, extension);
        if (!path) {
            return;
        }
        if (icons::WriteIcoFileReporting(set, *path)) {
            writer.Wrote(*path, Images(set.images.size()));
        } else {
            writer.Failed(what, Reason(icons::ExtractProblem::kWriteFailed));
        }
        return;
    }
    for (const auto& image : set.images) {
        NameFields imageFields = fields;
        imageFields.width = image.width;
        imageFields.height = image.height;
        imageFields.bits = image.bitCount;
        const std::string size = std::to_string(image.width) + "x" + std::to_string(image.height) +
                                 " " + std::to_string(image.bitCount) + "-bit";
        const auto bytes = ImageAsPng(image);
        if (!bytes) {
            writer.Failed(what, "the " + size + " image cannot be converted to PNG");
            continue;
        }
        const auto path = writer.PathFor(imageFields, ".png");
        if (!path) {
            return;
        }
        if (WriteBytes(*path, *bytes)) {
            writer.Wrote(*path, "PNG " + size);
        } else {
            writer.Failed(what, "cannot write " + *path);
        }
    }
}

void WriteAnimatedCursors(SourceWriter& writer, const icons::IconSource& source,
                          const Options& options, std::optional<std::uint16_t> userLanguage) {
    const auto* resources = source.Resources();
    for (std::size_t position = 0; position < source.AnimatedCursorCount(); ++position) {
        const std::string what = "animated cursor " + std::to_string(position + 1);
        if (options.png) {
            writer.Note(what + " skipped: --png takes the images of groups");
            continue;
        }
        const auto bytes = source.AnimatedCursorAt(position);
        if (!bytes) {
            writer.Skipped(what, "cannot be read");
            continue;
        }
        const auto languages = resources->LanguagesAt(icons::kResourceTypeAnimatedCursor, position);
        const auto chosen = icons::ChooseLanguage(languages, userLanguage);
        const auto fields = writer.Fields(
            position,
            LabelOf(source, resources->NameAt(icons::kResourceTypeAnimatedCursor, position)),
            chosen ? std::optional<std::uint16_t>(languages[*chosen]) : std::nullopt);
        const auto path = writer.PathFor(fields, ".ani");
        if (!path) {
            return;
        }
        if (WriteBytes(*path, *bytes)) {
            writer.Wrote(*path, "animated cursor");
        } else {
            writer.Failed(what, Reason(icons::ExtractProblem::kWriteFailed));
        }
    }
}

}  // namespace

SourceReport ExtractSource(const SourceTask& task, const Options& options) {
    SourceReport report;
    const auto fail = [&](const std::string& reason) {
        report.errors += "tavrin-extract: " + task.path + ": " + reason + "\n";
        report.failed = 1;
        return report;
    };
    const GroupKind kind = options.cursors ? GroupKind::kCursor : GroupKind::kIcon;
    const auto userLanguage = platform::UserLanguage();
    const OpenedSource opened = OpenAndSelect(task, kind, options, userLanguage);
    if (!opened.problem.empty()) {
        return fail(opened.problem);
    }
    const icons::IconSource& source = *opened.source;
    const Selection& selection = opened.selection;

    SourceWriter writer(task, options, report);
    if (!source.ResourceFile().empty()) {
        writer.Note("read " + source.ResourceFile() +
                    ", as the module holds no icon groups of its own");
    }
    for (const Pick& pick : selection.picks) {
        if (writer.FolderFailed()) {
            break;
        }
        std::string what =
            (options.cursors ? "cursor group " : "group ") + std::to_string(pick.position + 1);
        if (options.allLanguages && pick.language) {
            what += " (language " + LanguageText(*pick.language) + ")";
        }
        if (options.language && pick.language && *pick.language != *options.language) {
            writer.Note(what + ": not stored in language " + LanguageText(*options.language) +
                        "; took " + LanguageText(*pick.language));
        }
        auto group = source.GroupAt(pick.position, kind, pick.wanted);
        if (!group.set) {
            writer.Skipped(what, Reason(group.problem, kind));
            continue;
        }
        if (options.size) {
            KeepClosestImage(*group.set, *options.size);
        }
        const auto fields = writer.Fields(
            pick.position, LabelOf(source, source.GroupName(pick.position, kind)), pick.language);
        WriteGroup(writer, *group.set, fields, what, options.png);
    }
    if (options.cursors && !SelectsOne(options) && !writer.FolderFailed()) {
        WriteAnimatedCursors(writer, source, options, userLanguage);
    }
    writer.Finish();
    return report;
}

}  // namespace tavrin::tools
