#include "shell/handlers.h"

#include <string>

#include "icons/extract_icon_group.h"
#include "icons/extract_press.h"
#include "platform/win/drop/drop_target.h"
#include "platform/win/form/delete_file.h"
#include "platform/win/form/program_directory.h"
#include "platform/win/form/texts.h"
#include "platform/win/skin/skin.h"
#include "shell/main_form.h"
#include "shell/program.h"

namespace tavrin::shell {

using platform::DecimalText;
using platform::JoinTexts;

void OnCreationFinished(platform::Form& form) {
    platform::SetSkinStyle(1);
    const HWND window = form.Handle();
    if (platform::DropTarget* target = form[拖放对象1].DropComponent()) {
        target->RegisterDropWindow(window);
    }
}

void OnFileReceived(platform::Form& form, const char* text) {
    form[编辑框1].SetText(platform::kContent, text);
}

void OnPathContentChanged(platform::Form& form) {
    form[按钮1].SetNumber(platform::kProhibited, 0);
}

void OnExtractPressed(platform::Form& form) {
    // Every press makes all 100 iterations; an index past the source's
    // groups simply writes nothing. The press lets the calls share the
    // module they read while it stays the same file.
    const icons::ExtractPress press;
    for (counter = 1; counter <= 100; ++counter) {
        std::string output;
        {
            const std::string directory = platform::ProgramDirectory();
            const std::string number = DecimalText(counter);
            output = JoinTexts({directory.c_str(), "\\", number.c_str(), ".ico"});
        }
        const std::string source = form[编辑框1].Text(platform::kContent);
        icons::ExtractIconGroup(source.c_str(), 0, output.c_str(), counter);
    }
}

void OnDeletePressed(platform::Form&) {
    for (counter = 1; counter <= 100; ++counter) {
        std::string name;
        {
            const std::string number = DecimalText(counter);
            name = JoinTexts({number.c_str(), ".ico"});
        }
        platform::DeleteNamedFile(name.c_str());
    }
}

}  // namespace tavrin::shell
