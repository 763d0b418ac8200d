#include "catalogue/ui/related_file_commands.h"

#include "catalogue/kanren_file.h"
#include "catalogue/kanren_file_form.h"
#include "catalogue/texts.h"
#include "catalogue/ui/kanren_file_dialog.h"
#include "common/clock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "office/ui/desktop_ports.h"

namespace bunrako {

using namespace catalogue::texts;

bool RelatedFileCommands::edit(QWidget* parent, const DesktopPorts& ports, CKanrenFile& list,
                               const CKanrenFileData& record) {
    KanrenFileForm form(record);
    for (;;) {
        CDlgKanrenFile dialog(form, ports.fileBrowser, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        if (list.AddOrUpdate(form.Gather(ports.clock.now())) == 1) return true;
        ports.prompt.showMessage(
            formatText(kRelatedNotSaved, pathToUtf8(list.filePath())) + kRelatedInputKept, {},
            MessageIcon::error);
    }
}

bool RelatedFileCommands::add(QWidget* parent, const DesktopPorts& ports, CKanrenFile& list) {
    return edit(parent, ports, list, CKanrenFileData::New(ports.clock.now()));
}

bool RelatedFileCommands::change(QWidget* parent, const DesktopPorts& ports, CKanrenFile& list,
                                 const CKanrenFileData& row) {
    const CKanrenFileData chosen = row;  // the list reloads while storing
    return edit(parent, ports, list, chosen);
}

bool RelatedFileCommands::remove(const DesktopPorts& ports, CKanrenFile& list,
                                 const CKanrenFileData& row) {
    // The row may live in the list, which the removal reloads.
    const CKanrenFileData chosen = row;
    if (ports.prompt.ask(RelatedFileDeleteQuestion(chosen), kRelatedDeleteCaption, Buttons::yesNo,
                         MessageIcon::question) != Answer::yes) {
        return false;
    }
    if (list.Remove(chosen) == 1) return true;
    ports.prompt.showMessage(formatText(kRelatedNotSaved, pathToUtf8(list.filePath())), {},
                             MessageIcon::error);
    return false;
}

}  // namespace bunrako
