#include "office/ui/bunrako_doc.h"

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

}  // namespace bunrako
