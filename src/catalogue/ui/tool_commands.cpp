#include "catalogue/ui/tool_commands.h"

#include "catalogue/file_search_form.h"
#include "catalogue/touroku_tyouhyou.h"
#include "catalogue/touroku_tyouhyou_form.h"
#include "catalogue/ui/file_search_dialog.h"
#include "catalogue/ui/touroku_tyouhyou_dialog.h"
#include "common/file_io.h"
#include "office/document_data.h"
#include "office/ui/desktop_ports.h"

namespace bunrako {

void ToolCommands::searchFiles(QWidget* parent, const DesktopPorts& ports, DocumentData& document) {
    std::filesystem::path root =
        pathFromUtf8(document.m_settings.Current().m_strVolumeFile).parent_path();
    if (root.empty()) root = pathFromUtf8(document.m_strDataFolder);
    FileSearchForm form(root);
    CDlgToolFileKensaku dialog(form, ports.shell, ports.prompt, ports.clock, parent);
    dialog.exec();
}

void ToolCommands::registeredForms(QWidget* parent, const DesktopPorts& ports,
                                   DocumentData& document) {
    const std::filesystem::path folder =
        pathFromUtf8(document.m_settings.SettingsPath()).parent_path();
    CTourokuTyouhyou list(ports.prompt, CTourokuTyouhyou::FileInFolder(folder));
    TourokuTyouhyouForm form(list);
    CDlgTourokuTyouhyou dialog(form, ports.shell, ports.prompt, ports.fileBrowser, parent);
    dialog.exec();
}

}  // namespace bunrako
