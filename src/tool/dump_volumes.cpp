#include <cstdio>
#include <string>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "tool/dump.h"
#include "tool/texts.h"
#include "volumes/doc_master_list.h"

namespace bunrako::cli {
namespace {

Json volumeJson(const CDocMasterData& v) {
    Json record;
    record["KanriBangou"] = textJson(v.KanriBangou);
    record["SakuseiNendo"] = dateJson(v.SakuseiNendo);
    record["KaMei"] = textJson(v.KaMei);
    record["KakariMei"] = textJson(v.KakariMei);
    record["KaBunruiCode"] = textJson(v.KaBunruiCode);
    record["DaiBunruiCode"] = textJson(v.DaiBunruiCode);
    record["DaiBunruiMei"] = textJson(v.DaiBunruiMei);
    record["ChuuBunruiCode"] = textJson(v.ChuuBunruiCode);
    record["ChuuBunruiMei"] = textJson(v.ChuuBunruiMei);
    record["ShouBunruiCode"] = textJson(v.ShouBunruiCode);
    record["ShouBunruiMei"] = textJson(v.ShouBunruiMei);
    record["Title"] = textJson(v.Title);
    record["Sassuu"] = v.Sassuu;
    record["ShuunouKaisiNendo"] = dateJson(v.ShuunouKaisiNendo);
    record["ShuunouShuuryouNendo"] = dateJson(v.ShuunouShuuryouNendo);
    record["HozonShubetuIndex"] = v.HozonShubetuIndex;
    record["HozonNengen"] = spanJson(v.HozonNengen);
    record["ManryouNengetu"] = dateJson(v.ManryouNengetu);
    record["Jouyou"] = v.Jouyou;
    record["Mokuji"] = v.Mokuji;
    record["Haiki"] = v.Haiki;
    record["HaikiNengetu"] = dateJson(v.HaikiNengetu);
    record["Minaosi1"] = v.Minaosi1;
    record["Minaosi1Jiki"] = dateJson(v.Minaosi1Jiki);
    record["Minaosi1Nengen"] = spanJson(v.Minaosi1Nengen);
    record["Minaosi2"] = v.Minaosi2;
    record["Minaosi2Jiki"] = dateJson(v.Minaosi2Jiki);
    record["Minaosi2Nengen"] = spanJson(v.Minaosi2Nengen);
    record["Minaosi3"] = v.Minaosi3;
    record["Minaosi3Jiki"] = dateJson(v.Minaosi3Jiki);
    record["Minaosi3Nengen"] = spanJson(v.Minaosi3Nengen);
    record["HozonShubetuMei"] = textJson(v.HozonShubetuMei);
    return record;
}

// Says what of the file the records do not show.
void reportUnshownBytes(const std::filesystem::path& file, const ReadReport& read, Prompt& prompt) {
    const std::string path = pathToUtf8(file);
    const auto count = static_cast<unsigned>(read.declaredCount);
    if (read.state == ReadState::recordsMissing) {
        prompt.showMessage(formatPrintf(tool::texts::kVolumesTruncated, path.c_str(), count,
                                        read.recordsRead,
                                        static_cast<unsigned long long>(read.droppedBytes)));
    } else if (read.trailingBytes > 0) {
        prompt.showMessage(formatPrintf(tool::texts::kVolumesBeyondCount, path.c_str(), count,
                                        static_cast<unsigned long long>(read.trailingBytes)));
    }
}

}  // namespace

DumpOutcome dumpVolumes(const std::filesystem::path& file, Prompt& prompt) {
    CDocMasterList list(file, prompt);
    // Nobody can mend the file while the command runs: one attempt.
    list.setReadAttempts(1);
    list.Read();
    const ReadReport& read = list.lastRead();
    if (!read.opened()) return {false, {}};
    DumpOutcome outcome{true, recordsDocument("volumes", std::nullopt)};
    Json& records = outcome.document["records"];
    for (const CDocMasterData& volume : list.records()) records.push_back(volumeJson(volume));
    reportUnshownBytes(file, read, prompt);
    return outcome;
}

}  // namespace bunrako::cli
