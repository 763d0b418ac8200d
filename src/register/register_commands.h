#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "register/bunsho_ken_meibo_data.h"

namespace bunrako {

class CSetteiKoumokuList;
class CShokiSetteiData;
class Clock;
class Prompt;
class Shell;

// The commands of the title register tab (文書件名簿) that change its file or
// hand its entries on: what they do with what the entry dialog, the
// selection and the settings give them. Each works on a fresh reload of the
// register file, so that entries written meanwhile by another workstation
// are kept; a reload that fails stops the command before anything is
// written, so that a register that could not be read is never replaced by
// what little is in memory.

// The entry the register command (登録) opens the dialog with: the next
// document number of today's year in the register file (at most six
// characters), the register period, register year and volume year of
// today under the settings, the settings' section code and number prefix.
CBunshoKenMeiboData newRegisterEntry(const CShokiSetteiData& settings,
                                     const std::filesystem::path& registerFile, const Clock& clock,
                                     Prompt& prompt);

// Stores an entry the dialog returned from 登録 or 変更: reload, put it in by
// its identity (section, year, number: the same identity replaces the stored
// entry, another is added beside it), write. 1 on success.
bool storeRegisterEntry(const CBunshoKenMeiboData& entry, const std::filesystem::path& registerFile,
                        int registerPeriod, Prompt& prompt);

// Stores an entry of 登録 as a new entry: under the register file's write
// lock the next document number of today's year is chosen again from the
// file as it is now, so that entries registered at the same moment on two
// workstations never share a number or replace each other. The number
// stored, or none when nothing was written.
std::optional<std::string> storeNewRegisterEntry(CBunshoKenMeiboData entry,
                                                 const CShokiSetteiData& settings,
                                                 const std::filesystem::path& registerFile,
                                                 const Clock& clock, Prompt& prompt);

// Removes an entry the clerk confirmed in the dialog (削除): reload, remove
// the stored entry of the same period kind, register year and month, number
// and section, write. The period kind is the entry's own, so that an entry
// written before the register period setting was changed can still be
// deleted. 1 when an entry was removed and the file written; 0 when the
// entry is no longer there (nothing is written) or the file failed.
bool deleteRegisterEntry(const CBunshoKenMeiboData& entry,
                         const std::filesystem::path& registerFile, Prompt& prompt);

// Data linkage (データ連携): KenMeibo.csv of the selected entries, in the
// order given, into the data folder; then, when the settings use the
// spreadsheet and name a linkage file for the register, that file is opened
// with the desktop's association. Nothing happens without a selection. 1
// when the CSV file was written.
bool linkRegisterData(std::span<const CBunshoKenMeiboData> selected,
                      const CShokiSetteiData& settings, const std::filesystem::path& dataFolder,
                      const CSetteiKoumokuList& departments, Shell& shell, Prompt& prompt);

}  // namespace bunrako
