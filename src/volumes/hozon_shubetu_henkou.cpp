#include "volumes/hozon_shubetu_henkou.h"

#include <cstdlib>
#include <vector>

#include "common/cp932.h"
#include "common/data_file_lock.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"

namespace bunrako {
namespace {

constexpr int kReviewYears = 10;

// Day 1 of the month the date falls in, optionally some years later.
OleDateTime firstOfMonth(const OleDateTime& date, int addYears = 0) {
    if (!date.isValid()) return OleDateTime::invalidValue();
    return OleDateTime::fromDate(date.year() + addYears, date.month(), 1);
}

}  // namespace

std::optional<RetentionType> RetentionType::Find(const std::string& name,
                                                 const CSetteiKoumokuList& retention) {
    const auto& rows = retention.Items();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Name() != name) continue;
        return RetentionType{static_cast<int>(i), name, std::atoi(rows[i].SubName().c_str())};
    }
    return std::nullopt;
}

CDocMasterData withRetentionType(const CDocMasterData& volume, const RetentionType& type) {
    CDocMasterData changed = volume;
    changed.setHozonShubetuMei(type.name);
    changed.HozonNengen = OleSpan::fromYears(type.years);
    changed.HozonShubetuIndex = type.index;
    changed.ManryouNengetu = firstOfMonth(changed.ShuunouShuuryouNendo + changed.HozonNengen, 1);
    changed.HaikiNengetu = changed.ManryouNengetu;
    changed.Minaosi1Jiki = changed.ManryouNengetu;
    changed.Minaosi1Nengen = OleSpan::fromYears(kReviewYears);
    changed.Minaosi2Jiki = firstOfMonth(changed.Minaosi1Jiki + changed.Minaosi1Nengen);
    changed.Minaosi2Nengen = OleSpan::fromYears(kReviewYears);
    changed.Minaosi3Jiki = firstOfMonth(changed.Minaosi2Jiki + changed.Minaosi2Nengen);
    changed.Minaosi3Nengen = OleSpan::fromYears(kReviewYears);
    return changed;
}

CHozonNengenHenkoushoData changeFormOf(const CDocMasterData& before, const CDocMasterData& volume,
                                       const std::string& reason) {
    CHozonNengenHenkoushoData form{};
    form.HenkouSakuseiNendo = volume.SakuseiNendo;
    // The form's fields are as wide as the volume's or wider, except the
    // major code (4 bytes against 5), which is cut at a character boundary.
    writeFixedBytes(form.HenkouKaMei, fixedBytes(volume.KaMei));
    writeFixedBytes(form.HenkouKakariMei, fixedBytes(volume.KakariMei));
    writeFixedBytes(form.HenkouKaBunruiCode, fixedBytes(volume.KaBunruiCode));
    writeFixedBytes(form.HenkouDaiBunruiCode, fixedBytes(volume.DaiBunruiCode));
    writeFixedBytes(form.HenkouDaiBunruiMei, fixedBytes(volume.DaiBunruiMei));
    writeFixedBytes(form.HenkouChuuBunruiCode, fixedBytes(volume.ChuuBunruiCode));
    writeFixedBytes(form.HenkouChuuBunruiMei, fixedBytes(volume.ChuuBunruiMei));
    writeFixedBytes(form.HenkouShouBunruiCode, fixedBytes(volume.ShouBunruiCode));
    writeFixedBytes(form.HenkouShouBunruiMei, fixedBytes(volume.ShouBunruiMei));
    writeFixedBytes(form.HenkouTitle, fixedBytes(volume.Title));
    form.HenkouShuunouKaisiNendo = volume.ShuunouKaisiNendo;
    form.HenkouShuunouShuuryouNendo = volume.ShuunouShuuryouNendo;
    writeFixedBytes(form.HenkouMaeShubetu, fixedBytes(before.HozonShubetuMei));
    writeFixedBytes(form.HenkouGoShubetu, fixedBytes(volume.HozonShubetuMei));
    form.setRiyuu(reason);
    return form;
}

BatchResult changeRetentionType(std::span<const CDocMasterData> selected,
                                const std::string& typeName, const std::string& reason,
                                const CSetteiKoumokuList& retention,
                                const std::filesystem::path& masterFile,
                                const std::filesystem::path& formsFile, Prompt& prompt,
                                const BatchProgress& progress, const BatchStop& stop) {
    BatchResult result;
    const std::optional<RetentionType> type =
        typeName.empty() ? std::nullopt : RetentionType::Find(typeName, retention);
    if (!type || reason.empty()) {
        result.outcome = BatchResult::Outcome::incompleteInput;
        return result;
    }
    if (selected.empty()) return result;
    CDocMasterList master(masterFile, prompt);
    CHozonNengenHenkoushoList forms(prompt, formsFile);
    // Both files are held from their re-read to their write, so that no other
    // writer's change falls between; always the volume file first.
    const DataFileLock masterLock(prompt, masterFile);
    if (!masterLock.held()) return result.stopAt(0);
    const DataFileLock formsLock(prompt, formsFile);
    if (!formsLock.held() || !master.ReadForChange()) return result.stopAt(0);
    forms.Read();
    if (!forms.lastRead().opened()) return result.stopAt(0);
    const auto total = static_cast<int>(selected.size());
    std::vector<CHozonNengenHenkoushoData> newForms;
    std::vector<CDocMasterData> stored;
    for (size_t i = 0; i < selected.size(); ++i) {
        if (progress) progress(static_cast<int>(i) + 1, total);
        if (stop && stop()) {
            result.outcome = BatchResult::Outcome::cancelled;
            return result;
        }
        const CDocMasterData changed = withRetentionType(selected[i], *type);
        if (!master.AddOrReplace(changed, true)) {
            result.stopAt(i);
            break;
        }
        stored.push_back(changed);
        newForms.push_back(changeFormOf(selected[i], changed, reason));
        result.done.push_back(i);
    }
    for (const CDocMasterData& volume : stored) master.createFolderTree(volume);
    master.sort();
    forms.AddInList(newForms);
    // The volume file first: a change form never names a change that was not
    // stored.
    if (master.Write() != 1) return result.stopUnwritten();
    result.written.push_back(master.path());
    if (forms.Write() != 1) return result.stopUnwritten();
    result.written.push_back(forms.path());
    return result;
}

}  // namespace bunrako
