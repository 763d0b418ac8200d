#include "volumes/data_haiki.h"

#include <string>
#include <vector>

#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "volumes/archive_batch.h"
#include "volumes/doc_master_data.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_data.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;

bool confirmed(Prompt& prompt, const std::string& question) {
    return prompt.ask(question, texts::kConfirmCaption, Buttons::okCancel, MessageIcon::warning) ==
           Answer::ok;
}

// The volumes stored in their archive: read whole (a file just made is
// empty), each stored, sorted and written.
bool archiveVolumes(const std::filesystem::path& path, const std::vector<CDocMasterData>& volumes,
                    Prompt& prompt) {
    CDocMasterList archive(path, prompt);
    const DataFileLock lock(prompt, path);
    if (!lock.held()) return false;
    archive.Read();
    const ReadState read = archive.lastRead().state;
    if (read == ReadState::missing || read == ReadState::recordsMissing) return false;
    for (const CDocMasterData& volume : volumes) {
        if (!archive.AddOrReplace(volume, true)) return false;
    }
    archive.sort();
    return archive.Write() == 1;
}

bool archiveForms(const std::filesystem::path& path,
                  const std::vector<CHozonNengenHenkoushoData>& forms, Prompt& prompt) {
    CHozonNengenHenkoushoList archive(prompt, path);
    const DataFileLock lock(prompt, path);
    if (!lock.held()) return false;
    // A damaged archive is not rewritten from the part of it that reads.
    if (archive.Read() == 0 && !archive.lastRead().countMissing()) return false;
    return archive.AddAll(forms);
}

}  // namespace

std::string dataDisposalQuestion(const char* question, size_t count,
                                 const std::vector<std::filesystem::path>& archives) {
    std::string text = question;
    text += formatPrintf(texts::kDisposalCount, static_cast<int>(count));
    if (!archives.empty()) {
        text += formatPrintf(texts::kDisposalArchiveFolder,
                             pathToUtf8(archives.front().parent_path()).c_str());
    }
    for (const std::filesystem::path& archive : archives) {
        text += formatPrintf(texts::kDisposalArchiveName, pathToUtf8(archive.filename()).c_str());
    }
    return text;
}

std::filesystem::path volumeArchivePath(const std::filesystem::path& sourceFile,
                                        VolumeSource source, const CDocMasterData& volume) {
    const char* pattern = source == VolumeSource::volumeFile ? texts::kVolumeArchiveName
                                                             : texts::kDisposedArchiveName;
    return yearlyArchivePath(sourceFile, pattern, volume.SakuseiNendo);
}

std::filesystem::path formArchivePath(const std::filesystem::path& formsFile,
                                      const CHozonNengenHenkoushoData& form) {
    return yearlyArchivePath(formsFile, texts::kFormArchiveName, form.HenkouSakuseiNendo);
}

BatchResult disposeVolumeData(std::span<const CDocMasterData> selected,
                              const std::filesystem::path& sourceFile, VolumeSource source,
                              Prompt& prompt, const BatchProgress& progress) {
    const char* question = source == VolumeSource::volumeFile ? texts::kConfirmVolumeDisposal
                                                              : texts::kConfirmDisposedDisposal;
    // Without a selection the command does nothing.
    if (selected.empty()) return {};
    const auto pathOf = [&](const CDocMasterData& volume) {
        return volumeArchivePath(sourceFile, source, volume);
    };
    const auto groups = groupByArchive(selected, pathOf);
    const auto archives = archivePaths(selected, groups, pathOf);
    if (!confirmed(prompt, dataDisposalQuestion(question, selected.size(), archives))) {
        BatchResult result;
        result.outcome = BatchResult::Outcome::cancelled;
        return result;
    }
    const auto archive = [&](const std::filesystem::path& path,
                             const std::vector<CDocMasterData>& volumes) {
        return archiveVolumes(path, volumes, prompt);
    };
    const auto remove = [&](const std::vector<CDocMasterData>& volumes) {
        CDocMasterList sourceList(sourceFile, prompt);
        return sourceList.RemoveVolumes(volumes);
    };
    return archiveThenRemove(selected, groups, archives, archive, sourceFile, remove, progress);
}

BatchResult disposeFormData(std::span<const CHozonNengenHenkoushoData> selected,
                            const std::filesystem::path& formsFile, Prompt& prompt,
                            const BatchProgress& progress) {
    // Without a selection the command does nothing.
    if (selected.empty()) return {};
    const auto pathOf = [&](const CHozonNengenHenkoushoData& form) {
        return formArchivePath(formsFile, form);
    };
    const auto groups = groupByArchive(selected, pathOf);
    const auto archives = archivePaths(selected, groups, pathOf);
    if (!confirmed(prompt, dataDisposalQuestion(texts::kConfirmDisposedDisposal, selected.size(),
                                                archives))) {
        BatchResult result;
        result.outcome = BatchResult::Outcome::cancelled;
        return result;
    }
    const auto archive = [&](const std::filesystem::path& path,
                             const std::vector<CHozonNengenHenkoushoData>& forms) {
        return archiveForms(path, forms, prompt);
    };
    const auto remove = [&](const std::vector<CHozonNengenHenkoushoData>& forms) {
        CHozonNengenHenkoushoList sourceList(prompt, formsFile);
        return sourceList.RemoveAll(forms);
    };
    return archiveThenRemove(selected, groups, archives, archive, formsFile, remove, progress);
}

}  // namespace bunrako
