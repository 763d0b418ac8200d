#include "volumes/nendo_kirikae.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/data_file_lock.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

constexpr int kProgressUpper = 100;

void report(const BatchProgress& progress, int position) {
    if (progress) progress(position, kProgressUpper);
}

}  // namespace

DepartmentChoice DepartmentChoice::FromTable(std::string department, std::string section,
                                             const CSetteiKoumokuList& departments) {
    std::string code = departments.CodeByNames(department, section);
    return {std::move(department), std::move(section), std::move(code)};
}

CDocMasterData convertForNewYear(const CDocMasterData& volume, const OleDateTime& newYear,
                                 const DepartmentChoice* department) {
    CDocMasterData copy = volume;
    copy.SakuseiNendo = newYear;
    copy.ShuunouKaisiNendo = newYear;
    copy.ShuunouShuuryouNendo = newYear;
    copy.Sassuu = 1;
    const OleDateTime expiry =
        newYear + copy.HozonNengen + OleSpan::fromDays(CDocMasterData::kDaysPerYear);
    copy.ManryouNengetu = expiry;
    copy.HaikiNengetu = expiry;
    copy.Minaosi1Jiki = expiry;
    copy.Minaosi2Jiki = copy.Minaosi1Jiki + copy.Minaosi1Nengen;
    copy.Minaosi3Jiki = copy.Minaosi2Jiki + copy.Minaosi2Nengen;
    if (department) {
        copy.setKaMei(department->department);
        copy.setKakariMei(department->section);
        copy.setKaBunruiCode(department->code);
    }
    return copy;
}

NendoKirikaeResult switchFiscalYear(std::span<const CDocMasterData> displayed,
                                    std::span<const int> mask, const NendoKirikaeRequest& request,
                                    Prompt& prompt, const BatchProgress& progress) {
    NendoKirikaeResult result;
    const bool anySelected = std::find(mask.begin(), mask.end(), 1) != mask.end();
    if (!anySelected || displayed.empty()) return result;
    CDocMasterList list(request.masterFile, prompt);
    const DataFileLock lock(prompt, list.path());
    if (!lock.held()) return result;
    list.Read();
    // A file that would not open is not overwritten with the copies alone.
    if (!list.lastRead().opened()) return result;
    const DepartmentChoice* department = request.department ? &*request.department : nullptr;
    const auto total = static_cast<long long>(displayed.size());
    for (size_t i = 0; i < displayed.size(); ++i) {
        if (i >= mask.size() || mask[i] != 1) continue;
        const CDocMasterData copy = convertForNewYear(displayed[i], request.newYear, department);
        if (list.AddOrReplace(copy, true, DepartmentDigits::zeroPaddedToTen)) {
            list.createFolderTree(copy);
            result.copied.push_back(i);
        } else {
            result.notCopied.push_back(i);
        }
        report(progress, static_cast<int>(static_cast<long long>(i) * kProgressUpper / total));
    }
    report(progress, 0);
    list.sort();
    report(progress, kProgressUpper / 2);
    result.written = list.Write() == 1;
    if (!result.written) result.copied.clear();
    report(progress, kProgressUpper);
    return result;
}

}  // namespace bunrako
