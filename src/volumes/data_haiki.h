#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "volumes/batch_result.h"

namespace bunrako {

class Prompt;
struct CDocMasterData;
struct CHozonNengenHenkoushoData;

// Data disposal (データ廃棄): selected records leave the system's files for
// yearly archive files beside their source file, one per source and creation
// year, in the source's own layout. Nothing in the system reads the archives
// back.

// Which volume file the volumes come from.
enum class VolumeSource { volumeFile, disposedFile };

// "<folder of the source>令和2年システム廃棄_文書整理一覧表.dat" (or
// _廃棄簿冊名一覧表 for the disposed-volume file): the creation year as era
// year.
std::filesystem::path volumeArchivePath(const std::filesystem::path& sourceFile,
                                        VolumeSource source, const CDocMasterData& volume);
// "<folder of the change-form file>令和2年システム廃棄_保存年限変更書.dat".
std::filesystem::path formArchivePath(const std::filesystem::path& formsFile,
                                      const CHozonNengenHenkoushoData& form);

// The question of a data disposal followed by how many records leave the
// system and the archive files they go to.
std::string dataDisposalQuestion(const char* question, size_t count,
                                 const std::vector<std::filesystem::path>& archives);

// Asks the question of the source ("確認", OK/Cancel, naming the count and
// the archives); on OK moves the volumes archive by archive: the archive is
// read, the volumes of its year stored in it (as AddOrReplace stores them)
// and the archive written. Only then are the archived volumes removed from
// the source, with one re-read and one write. A record therefore never
// leaves its source before it is safely in its archive. An archive that
// cannot be read whole or written stops the batch with the file's message:
// the volumes of the archives done leave the source, all others remain there.
// A source that cannot be rewritten keeps every volume (those archived are
// then in both files) and none counts as done.
BatchResult disposeVolumeData(std::span<const CDocMasterData> selected,
                              const std::filesystem::path& sourceFile, VolumeSource source,
                              Prompt& prompt, const BatchProgress& progress = {});

// The same for change forms, with the question of the disposed-volume list;
// forms are stored and removed by the identity of forms.
BatchResult disposeFormData(std::span<const CHozonNengenHenkoushoData> selected,
                            const std::filesystem::path& formsFile, Prompt& prompt,
                            const BatchProgress& progress = {});

}  // namespace bunrako
