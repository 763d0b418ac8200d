#include "settings/ui/settings_commands.h"

#include "common/prompt.h"
#include "office/ui/bunrako_doc.h"
#include "office/ui/wait_cursor.h"
#include "settings/section_switch_form.h"
#include "settings/settei_koumoku_form.h"
#include "settings/shoki_settei_form.h"
#include "settings/texts.h"
#include "settings/ui/section_switch_dialog.h"
#include "settings/ui/settei_koumoku_dialog.h"
#include "settings/ui/shoki_settei_dialog.h"

namespace bunrako {

using namespace settings::texts;

SettingsCommands::SettingsCommands(CBunrakoDoc& document, Prompt& prompt, FileBrowser& browser,
                                   QWidget* parent)
    : m_document(document), m_prompt(prompt), m_browser(browser), m_parent(parent) {}

CSetteiKoumokuList& SettingsCommands::master(MasterKind kind) {
    DocumentData& data = m_document.data();
    switch (kind) {
        case MasterKind::department:
            return data.m_department;
        case MasterKind::classification:
            return data.m_classification;
        case MasterKind::retention:
            return data.m_retention;
    }
    return data.m_department;
}

void SettingsCommands::editMaster(MasterKind kind) {
    CSetteiKoumokuList& edited = master(kind);
    SetteiKoumokuForm form(edited, kind);
    for (;;) {
        CDlgSetteiKoumoku dialog(form, m_prompt, m_browser, m_parent);
        dialog.exec();
        if (SaveEditedMaster(m_prompt, edited, form)) return;
        if (m_prompt.ask(kMasterNotSaved, kMasterNotSavedCaption, Buttons::yesNo,
                         MessageIcon::warning) != Answer::yes) {
            return;
        }
    }
}

bool SettingsCommands::editInitialSettings() {
    DocumentData& data = m_document.data();
    ShokiSetteiForm form(data.m_settings, data.m_department);
    CDlgShokiSettei dialog(form, m_browser, m_parent);
    dialog.setSaver(
        [&] { return SaveConfirmedSettings(m_prompt, data.m_settings, form.Settings()); });
    if (dialog.exec() != QDialog::Accepted) return false;
    const WaitCursor wait;
    m_document.LoadAll();
    return true;
}

void SettingsCommands::switchSection() {
    DocumentData& data = m_document.data();
    const SectionSwitchForm form(data.m_settings, data.m_department);
    CDlgShokiSetteiKaKakariKirikae dialog(form, m_parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
    // The order of the list and the settings file stay: the next start works
    // for the section first in the file again.
    data.m_settings.SetCurrent(*dialog.chosen());
    const WaitCursor wait;
    m_document.LoadAll();
}

void SettingsCommands::startWithoutSettings() {
    m_prompt.showMessage(kNoSettingsYet, kNoSettingsCaption, MessageIcon::information);
    if (m_document.data().m_department.ChildIndices(kRootCode).empty()) {
        editMaster(MasterKind::department);
    }
    editInitialSettings();
}

}  // namespace bunrako
