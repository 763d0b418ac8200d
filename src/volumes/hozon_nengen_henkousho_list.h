#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/read_report.h"
#include "volumes/hozon_nengen_henkousho_data.h"

namespace bunrako {

class Prompt;

// The change-form file (Minaosi.dat and the yearly disposal archives): a
// 4-byte count, then 896-byte forms back to back. Each change re-reads the
// file and writes it whole after a ".da$" safety copy.
class CHozonNengenHenkoushoList {
  public:
    CHozonNengenHenkoushoList(Prompt& prompt, std::filesystem::path path)
        : m_prompt(prompt), m_path(std::move(path)) {}

    const std::filesystem::path& path() const { return m_path; }
    std::vector<CHozonNengenHenkoushoData>& forms() { return m_forms; }
    const std::vector<CHozonNengenHenkoushoData>& forms() const { return m_forms; }

    // Replaces the forms with the file's (created empty when missing). 1
    // when every form the count names was read; 0 for a file without a
    // count, a truncated file (the complete forms stay) or one that would
    // not open after four attempts.
    int Read();
    // Writes every form after the safety copy. When the file will not open
    // the user may retry or give up; giving up returns 0 and leaves the file
    // as it was.
    int Write();
    // Re-reads, overwrites the same form or appends it, and writes. Nothing
    // is written when the file could not be opened for the re-read.
    int Add(const CHozonNengenHenkoushoData& form);
    // Re-reads, removes the first same form and writes; 0 when the re-read
    // failed or no form matched.
    int Remove(const CHozonNengenHenkoushoData& form);
    // Many forms with one re-read and one write, each as Add / Remove would
    // do it. RemoveAll passes over forms that match nothing; both return 0
    // only when the file could not be read whole or written, and then leave
    // it alone.
    bool AddAll(std::span<const CHozonNengenHenkoushoData> forms);
    // Each form as Add stores it, in the list only (the caller has read the
    // file under its lock and writes it).
    void AddInList(std::span<const CHozonNengenHenkoushoData> forms);
    bool RemoveAll(std::span<const CHozonNengenHenkoushoData> forms);

    // HozonNengenHenkousho.csv of the given forms (the selected ones, in list
    // order) in folder. Nothing is written for no forms.
    static bool ExportCsv(Prompt& prompt, const std::filesystem::path& folder,
                          const std::vector<CHozonNengenHenkoushoData>& forms, int westernDates,
                          int periodType);
    static std::string CsvBytes(const std::vector<CHozonNengenHenkoushoData>& forms,
                                int westernDates, int periodType);

    const ReadReport& lastRead() const { return m_lastRead; }

  private:
    Prompt& m_prompt;
    std::filesystem::path m_path;
    std::vector<CHozonNengenHenkoushoData> m_forms;
    ReadReport m_lastRead;
};

}  // namespace bunrako
