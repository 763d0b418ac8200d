#include "register/catalogue_mirror.h"

#include "catalogue/sakuin_mokuroku.h"
#include "common/clock.h"
#include "common/cp932.h"
#include "common/prompt.h"
#include "register/bunsho_ken_meibo_data.h"
#include "register/texts.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

// The dialog shows and edits the first ten progress steps.
constexpr int kEditedSteps = 10;
constexpr size_t kSectionLength = 3;
// A section's own code: its three characters followed by zeros.
constexpr const char* kSectionCodeFill = "0000000";

template <size_t N>
void copyText(char (&to)[N], const char (&from)[N]) {
    writeFixedBytes(to, fixedBytes(from));
}

}  // namespace

VolumeChoice volumeChoiceOf(const CBunshoKenMeiboData& entry,
                            const CSetteiKoumokuList& departments) {
    const std::string code(fixedBytes(entry.sectionCode));
    const std::string sectionCode = code.substr(0, kSectionLength) + kSectionCodeFill;
    return {departments.NameByCode(sectionCode), departments.NameByCode(code)};
}

CSakuinMokurokuList mirroredCatalogueEntry(const CBunshoKenMeiboData& entry,
                                           const OleDateTime& now) {
    CSakuinMokurokuList mirrored = CSakuinMokurokuList::Cleared(now);
    mirrored.receivedDate = entry.receivedDate;
    copyText(mirrored.documentNumber, entry.documentNumber);
    copyText(mirrored.subject, entry.subject);
    mirrored.completedFlag = entry.completedFlag;
    mirrored.completedDate = entry.completedDate;
    for (int step = 0; step < kEditedSteps; ++step) {
        mirrored.progressFlag[step] = entry.progressFlag[step];
        mirrored.progressDate[step] = entry.progressDate[step];
        copyText(mirrored.progressText[step], entry.progressText[step]);
    }
    mirrored.registerLinkFlag = 1;
    copyText(mirrored.sender, entry.sender);
    copyText(mirrored.receiver, entry.receiver);
    return mirrored;
}

std::vector<size_t> volumesOfEntry(const CBunshoKenMeiboData& entry, const VolumeChoice& choice,
                                   std::span<const CDocMasterData> volumes) {
    const std::string section = utf8ToCp932(choice.sectionName);
    const std::string subsection = utf8ToCp932(choice.subsectionName);
    const std::string_view title = fixedBytes(entry.volumeTitle);
    std::vector<size_t> found;
    for (size_t i = 0; i < volumes.size(); ++i) {
        const CDocMasterData& volume = volumes[i];
        if (fixedBytes(volume.Title) == title && fixedBytes(volume.KaMei) == section &&
            fixedBytes(volume.KakariMei) == subsection && volume.SakuseiNendo == entry.volumeYear) {
            found.push_back(i);
        }
    }
    return found;
}

MirrorOutcome mirrorIntoCatalogue(const CBunshoKenMeiboData& entry, MirrorAction action,
                                  const VolumeChoice& choice,
                                  std::span<const CDocMasterData> volumes,
                                  const std::filesystem::path& volumeFile, const Clock& clock,
                                  Prompt& prompt) {
    const std::vector<size_t> found = volumesOfEntry(entry, choice, volumes);
    if (found.size() > 1) {
        prompt.showMessage(texts::kSeveralVolumes, texts::kNoticeCaption, MessageIcon::warning);
        return MirrorOutcome::severalVolumes;
    }
    if (found.empty()) {
        prompt.showMessage(texts::kVolumeNotFound, texts::kNoticeCaption, MessageIcon::warning);
        return MirrorOutcome::noVolume;
    }
    const CDocMasterData& volume = volumes[found.front()];
    CSakuinMokuroku catalogue(prompt, clock);
    catalogue.setVolume(&volume);
    catalogue.OpenForVolume(volumeFile);
    const CSakuinMokurokuList mirrored = mirroredCatalogueEntry(entry, clock.now());
    if (action == MirrorAction::store) {
        if (catalogue.AddOrReplace(mirrored) < 0) return MirrorOutcome::fileFailed;
    } else {
        // Remove cannot tell a failed write from removing the first entry;
        // a failed write has told the clerk.
        catalogue.Remove(mirrored);
    }
    // A catalogue the entry has just created starts with a cleared header.
    return catalogue.SyncHeaderFromVolume(volume) == 1 ? MirrorOutcome::done
                                                       : MirrorOutcome::fileFailed;
}

}  // namespace bunrako
