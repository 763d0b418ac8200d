#include "volumes/data_haiki.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/safe_file_name.h"
#include "volumes/doc_master_data.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_data.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;

constexpr int kYearForm = 2;

// "令和2年"; a year the era table cannot name keeps its stand-in, made safe
// for a file name.
std::string eraYearText(const OleDateTime& date) {
    const CMyTool tool;
    const std::string year = tool.FormatEraDate(tool.DateToEraText(date), kYearForm);
    return year.empty() ? year : SafeFileName(year);
}

std::filesystem::path archivePath(const std::filesystem::path& sourceFile, const char* pattern,
                                  const OleDateTime& created) {
    // The folder is joined as a path; the pattern's first %s stays empty.
    const std::string name = formatPrintf(pattern, "", eraYearText(created).c_str());
    return sourceFile.parent_path() / pathFromUtf8(name);
}

// The selected records by archive, in the order the archives first occur.
template <typename Record, typename PathOf>
std::vector<std::vector<size_t>> groupByArchive(std::span<const Record> selected, PathOf pathOf) {
    std::vector<std::filesystem::path> paths;
    std::vector<std::vector<size_t>> groups;
    for (size_t i = 0; i < selected.size(); ++i) {
        const std::filesystem::path path = pathOf(selected[i]);
        const auto found = std::find(paths.begin(), paths.end(), path);
        if (found == paths.end()) {
            paths.push_back(path);
            groups.push_back({i});
        } else {
            groups[static_cast<size_t>(found - paths.begin())].push_back(i);
        }
    }
    return groups;
}

template <typename Record>
std::vector<Record> recordsOf(std::span<const Record> selected, const std::vector<size_t>& group) {
    std::vector<Record> records;
    records.reserve(group.size());
    for (size_t i : group) records.push_back(selected[i]);
    return records;
}

bool confirmed(Prompt& prompt, const char* question) {
    return prompt.ask(question, texts::kConfirmCaption, Buttons::okCancel, MessageIcon::warning) ==
           Answer::ok;
}

// Runs the groups in turn; each is done when its step succeeds.
template <typename Step>
BatchResult runGroups(const std::vector<std::vector<size_t>>& groups, Step step) {
    BatchResult result;
    for (const std::vector<size_t>& group : groups) {
        if (!step(group)) {
            result.outcome = BatchResult::Outcome::stopped;
            result.stoppedAt = group.front();
            break;
        }
        result.done.insert(result.done.end(), group.begin(), group.end());
    }
    std::sort(result.done.begin(), result.done.end());
    return result;
}

// The volumes stored in their archive: read whole (a file just made is
// empty), each stored, sorted and written.
bool archiveVolumes(const std::filesystem::path& path, const std::vector<CDocMasterData>& volumes,
                    Prompt& prompt) {
    CDocMasterList archive(path, prompt);
    archive.Read();
    using Outcome = VolumeFileReadReport::Outcome;
    const Outcome read = archive.lastRead().outcome;
    if (read == Outcome::openFailed || read == Outcome::truncated) return false;
    for (const CDocMasterData& volume : volumes) {
        if (!archive.AddOrReplace(volume, true)) return false;
    }
    archive.sort();
    return archive.Write() == 1;
}

bool archiveForms(const std::filesystem::path& path,
                  const std::vector<CHozonNengenHenkoushoData>& forms, Prompt& prompt) {
    CHozonNengenHenkoushoList archive(prompt, path);
    // A damaged archive is not rewritten from the part of it that reads.
    if (archive.Read() == 0 && archive.lastRead().hasCount) return false;
    return archive.AddAll(forms) == 1;
}

}  // namespace

std::filesystem::path volumeArchivePath(const std::filesystem::path& sourceFile,
                                        VolumeSource source, const CDocMasterData& volume) {
    const char* pattern = source == VolumeSource::volumeFile ? texts::kVolumeArchiveName
                                                             : texts::kDisposedArchiveName;
    return archivePath(sourceFile, pattern, volume.SakuseiNendo);
}

std::filesystem::path formArchivePath(const std::filesystem::path& formsFile,
                                      const CHozonNengenHenkoushoData& form) {
    return archivePath(formsFile, texts::kFormArchiveName, form.HenkouSakuseiNendo);
}

BatchResult disposeVolumeData(std::span<const CDocMasterData> selected,
                              const std::filesystem::path& sourceFile, VolumeSource source,
                              Prompt& prompt) {
    const char* question = source == VolumeSource::volumeFile ? texts::kConfirmVolumeDisposal
                                                              : texts::kConfirmDisposedDisposal;
    // Without a selection the command does nothing.
    if (selected.empty()) return {};
    if (!confirmed(prompt, question)) {
        BatchResult result;
        result.outcome = BatchResult::Outcome::cancelled;
        return result;
    }
    const auto pathOf = [&](const CDocMasterData& volume) {
        return volumeArchivePath(sourceFile, source, volume);
    };
    return runGroups(groupByArchive(selected, pathOf), [&](const std::vector<size_t>& group) {
        const std::vector<CDocMasterData> volumes = recordsOf(selected, group);
        if (!archiveVolumes(pathOf(volumes.front()), volumes, prompt)) return false;
        CDocMasterList sourceList(sourceFile, prompt);
        return sourceList.RemoveVolumes(volumes) == 1;
    });
}

BatchResult disposeFormData(std::span<const CHozonNengenHenkoushoData> selected,
                            const std::filesystem::path& formsFile, Prompt& prompt) {
    // Without a selection the command does nothing.
    if (selected.empty()) return {};
    if (!confirmed(prompt, texts::kConfirmDisposedDisposal)) {
        BatchResult result;
        result.outcome = BatchResult::Outcome::cancelled;
        return result;
    }
    const auto pathOf = [&](const CHozonNengenHenkoushoData& form) {
        return formArchivePath(formsFile, form);
    };
    return runGroups(groupByArchive(selected, pathOf), [&](const std::vector<size_t>& group) {
        const std::vector<CHozonNengenHenkoushoData> forms = recordsOf(selected, group);
        if (!archiveForms(pathOf(forms.front()), forms, prompt)) return false;
        CHozonNengenHenkoushoList sourceList(prompt, formsFile);
        return sourceList.RemoveAll(forms) == 1;
    });
}

}  // namespace bunrako
