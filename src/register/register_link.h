#pragma once

#include <filesystem>
#include <string>

#include "common/ole_date_time.h"
#include "register/bunsho_ken_meibo_data.h"

namespace bunrako {

class CShokiSetteiData;
class Clock;
class Prompt;
struct CSakuinMokurokuHeader;
struct CSakuinMokurokuList;

// An index catalogue entry written into the document title register
// (文書件名簿と連携する).

// The number the title register gives a document received on that date:
// one more than the largest number received in its year (calendar or fiscal
// year as the settings keep the register).
std::string registerNumberFor(const OleDateTime& received, const CShokiSetteiData& settings,
                              const std::filesystem::path& registerFile, Prompt& prompt);

// The register entry of a catalogue entry of the volume whose header is
// given: number, reception date, subject, sender, receiver, completion,
// progress steps and remarks from the entry; the section code, the volume's
// management number, title and year from the header; the important flag
// when the volume is kept permanently (永年); the number prefix of the
// settings. Its register year is the year of the reception date the way the
// settings keep the register (1 January for a calendar-year register, else
// the first day of the fiscal year), so that it is numbered, found and
// replaced among the entries of that year.
CBunshoKenMeiboData registerEntryFromCatalogue(const CSakuinMokurokuList& entry,
                                               const CSakuinMokurokuHeader& header,
                                               const CShokiSetteiData& settings,
                                               const OleDateTime& now);

// Reloads the register, stores the entry's register entry by its identity
// (replacing the entry of the same section, year and number) and writes the
// register. 1 on success; nothing is written when the register cannot be
// read.
bool writeCatalogueEntryToRegister(const CSakuinMokurokuList& entry,
                                   const CSakuinMokurokuHeader& header,
                                   const CShokiSetteiData& settings,
                                   const std::filesystem::path& registerFile, const Clock& clock,
                                   Prompt& prompt);

}  // namespace bunrako
