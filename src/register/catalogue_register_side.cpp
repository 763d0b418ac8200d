#include "register/catalogue_register_side.h"

#include <memory>

#include "common/file_io.h"
#include "register/hassin_jusin_list.h"
#include "register/register_link.h"
#include "settings/shoki_settei_data.h"

namespace bunrako {

SakuinMokurokuForm::RegisterSide catalogueRegisterSide(const CShokiSetteiData& settings,
                                                       const std::filesystem::path& dataFolder,
                                                       const Clock& clock, Prompt& prompt) {
    auto names = std::make_shared<HassinJusinList>(prompt, clock, dataFolder);
    const std::filesystem::path registerFile = pathFromUtf8(settings.m_strRegisterFile);
    SakuinMokurokuForm::RegisterSide side;
    side.senders = names->Hassin.Names();
    side.receivers = names->Jusin.Names();
    side.rememberNames = [names](const std::string& sender, const std::string& receiver) {
        names->AddSender(sender);
        names->AddReceiver(receiver);
    };
    side.nextNumber = [settings, registerFile, &prompt](const OleDateTime& received) {
        return registerNumberFor(received, settings, registerFile, prompt);
    };
    side.write = [settings, registerFile, &clock, &prompt](const CSakuinMokurokuList& entry,
                                                           const CSakuinMokurokuHeader& header) {
        return writeCatalogueEntryToRegister(entry, header, settings, registerFile, clock, prompt);
    };
    return side;
}

}  // namespace bunrako
