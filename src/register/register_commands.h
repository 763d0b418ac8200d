#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "register/bunsho_ken_meibo_data.h"

namespace bunrako {

class CBunshoKenMeiboList;
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
// The same through a list kept by the caller (with its register period),
// which holds the register as written afterwards.
bool storeRegisterEntry(const CBunshoKenMeiboData& entry, const std::filesystem::path& registerFile,
                        CBunshoKenMeiboList& list);

// The same entry numbered from the register as the tab last read it,
// without reading the file again: the number is only a proposal, taken
// again from the file when the entry is saved (storeNewRegisterEntry), so
// that the dialog opens at once on a register of any size.
CBunshoKenMeiboData newRegisterEntry(const CShokiSetteiData& settings,
                                     const CBunshoKenMeiboList& shown, const Clock& clock);

// Stores a new entry (登録). The number shown when the dialog opened was a
// proposal: when the clerk kept it, the number is taken again from the
// register as it is re-read now, so that two clerks adding at the same time
// do not store the same number (the second would replace the first); the
// clerk is told when it differs. A number typed by hand is kept. The entry
// holds the number stored. 1 on success.
bool storeNewRegisterEntry(CBunshoKenMeiboData& entry, const std::string& proposedNumber,
                           const std::filesystem::path& registerFile, int registerPeriod,
                           int managementPeriod, Prompt& prompt);
// The same through a list kept by the caller, as storeRegisterEntry.
bool storeNewRegisterEntry(CBunshoKenMeiboData& entry, const std::string& proposedNumber,
                           const std::filesystem::path& registerFile, int managementPeriod,
                           CBunshoKenMeiboList& list);

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
