#include "office/ui/bunrako_doc.h"

#include "office/ui/command_catalogue.h"

namespace bunrako {

CBunrakoDoc::CBunrakoDoc(Prompt& prompt, const Clock& clock, std::string programFolder,
                         QObject* parent)
    : QObject(parent), m_prompt(prompt), m_data(prompt, clock, std::move(programFolder)) {}

CBunrakoDoc::CBunrakoDoc(Prompt& prompt, const Clock& clock, ProgramPlaces places, QObject* parent)
    : QObject(parent), m_prompt(prompt), m_data(prompt, clock, std::move(places)) {}

CBunrakoDoc::CBunrakoDoc(Prompt& prompt, const Clock& clock, QObject* parent)
    : CBunrakoDoc(prompt, clock, ProgramPlaces::ForRunningProgram(), parent) {}

void CBunrakoDoc::LoadAll() {
    m_data.LoadAll(m_prompt);
    emit loaded();
}

bool CBunrakoDoc::handlesCommand(CommandId id) {
    return id == CommandId::departmentMaster || id == CommandId::classificationMaster ||
           id == CommandId::retentionMaster;
}

void CBunrakoDoc::runCommand(CommandId id) {
    if (!handlesCommand(id)) return;
    // The setting-item editor of the three masters comes with its own dialog.
    showNotYetAvailable(m_prompt, id);
}

}  // namespace bunrako
