#pragma once

#include <array>
#include <string>

#include "common/ole_date_time.h"

namespace bunrako {

class CMyTool;
class KessaiKubunTable;
struct CSakuinMokurokuHeader;
struct CSakuinMokurokuList;

// What the clerk chooses in the draft dialog (起案文書).
struct KianInput {
    static constexpr int kAigiCount = 10;

    int kessaiShubetsu = 0;  // approval type: 0 3決裁区分, 1 4決裁区分
    int kessaiKubun = 0;     // approval class 0-3 (3 only for type 1)
    // 起案日: the era fields in era mode, the Western year in Western mode.
    int era = 0;
    int eraYear = 0;
    int westernYear = 0;
    int month = 0;
    int day = 0;
    std::string shoku;                         // drafter's post
    std::string simei;                         // drafter's name
    std::array<std::string, kAigiCount> aigi;  // co-signers
    // Another draft taken as the new one instead of merging the form.
    bool useReference = false;
    std::string referenceFile;

    // The drafting date set to the day (era and Western fields alike).
    void SetDate(const OleDateTime& date, const CMyTool& tool);
    // A post and a name, a drafting date with year, month and day above 0 (and
    // an era in era mode), and a class the type has.
    bool IsValid(bool western, const CMyTool& tool) const;
};

// The values a draft form merges: 35 texts of fixed widths, CP932, each cut to
// its width less one byte. One line of Kian.csv.
struct KianData {
    char Bangou[7] = {};
    char Hozon[7] = {};
    char Bunrui[17] = {};
    char Hassou[23] = {};
    char Kubun[3] = {};
    char Shuuju[23] = {};
    char Kian[23] = {};
    char Kessai[23] = {};
    char Ka[23] = {};
    char Kakari[23] = {};
    char Shoku[23] = {};
    char Simei[23] = {};
    char Kenmei[161] = {};
    char Kessaisha[4][21] = {};
    char Aigi[KianInput::kAigiCount][23] = {};
    char Inin[3][25] = {};
    char Title[73] = {};
    char Kessaisha2[4][21] = {};

    // Fills the record from the document (the catalogue entry the register
    // mirrors), its volume (the catalogue header), the approver table and the
    // clerk's choices.
    static KianData Make(const KianInput& input, const CSakuinMokurokuList& entry,
                         const CSakuinMokurokuHeader& header, const KessaiKubunTable& approvers,
                         bool western);

    // The 35 fields joined by "," and ended by CR LF, nothing quoted.
    std::string CsvLine() const;
    // The header row of KianWord.csv with its line end.
    static std::string CsvHeaderLine();
};

}  // namespace bunrako
