#pragma once

#include <filesystem>
#include <span>

#include "volumes/batch_result.h"

namespace bunrako {

class Prompt;
struct CBunshoKenMeiboData;

// Data disposal (データ廃棄) of the title register: selected entries leave the
// register file for yearly archive files beside it, one per volume year, in
// the register's own layout (an archive can be read back by pointing the
// register file setting at it).

// "<folder of the register file>平成20年システム廃棄_文書件名簿.dat": the
// entry's volume year as era year.
std::filesystem::path registerArchivePath(const std::filesystem::path& registerFile,
                                          const CBunshoKenMeiboData& entry);

// Asks the question ("確認", OK/Cancel); on OK moves the entries archive by
// archive: the archive is read (made when missing), the entries of its year
// stored in it (an entry the archive already holds is not stored twice, and
// none of its entries is ever replaced) and the archive written; only then are
// those entries removed from the register file (one reload and one write).
// An entry therefore never leaves the register before it is safely in its
// archive. An archive or register file that cannot be read or written
// stops the batch with the file's message: the entries of the archives done
// are gone from the register, all others remain there (those of the archive
// at hand possibly in both files). Entries whose archive is the register
// file itself (the setting pointed at an archive) are already where they
// belong and stay.
BatchResult disposeRegisterData(std::span<const CBunshoKenMeiboData> selected,
                                const std::filesystem::path& registerFile, Prompt& prompt);

}  // namespace bunrako
