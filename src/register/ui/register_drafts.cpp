#include "register/ui/register_drafts.h"

#include <system_error>

#include "common/file_io.h"
#include "common/my_tool.h"
#include "office/document_data.h"
#include "register/bunsho_ken_meibo_form.h"
#include "register/kian_form.h"
#include "register/ui/kian_dialog.h"

namespace bunrako {

RegisterDrafts::RegisterDrafts(const DesktopPorts& ports, DocumentData& document,
                               BunshoKenMeiboForm& form, QWidget* parent)
    : m_ports(ports), m_document(document), m_form(form), m_parent(parent) {}

bool RegisterDrafts::run(int draftNumber) {
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    const auto target = m_form.draftTarget(draftNumber, pathFromUtf8(settings.m_strVolumeFile),
                                           settings.m_strWordProcessorExt, m_ports.prompt);
    if (!target) return false;
    const std::string draftPath = pathToUtf8(target->path);
    std::error_code ignored;
    if (std::filesystem::exists(target->path, ignored)) {
        CMyTool::RunProgram(m_ports.shell, m_ports.prompt, draftPath, RunMode::open, {});
        return true;
    }
    KianForm kian(m_ports.prompt, m_ports.shell, m_ports.clock, settings,
                  pathFromUtf8(m_document.m_strDataFolder), draftPath, target->entry,
                  target->header);
    CDlgKian dialog(kian, m_ports.fileBrowser, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace bunrako
