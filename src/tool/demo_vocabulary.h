#pragma once

#include <span>
#include <utility>
#include <vector>

// The words a demo office is made of: the sections of a small city hall, a
// three-level classification of its files with typical volume titles and
// document topics, the retention types, and the people and phrases of its
// correspondence. Every text is UTF-8 and fits the field it goes into.
namespace bunrako::cli::demo {

// A typical volume title and the index of its usual retention type.
struct TitleStem {
    const char* title;
    int retention;
};

struct MinorClass {
    const char* name;
    std::vector<TitleStem> titles;
    // What the documents filed under it are about ("…について").
    std::vector<const char*> topics;
};

struct MiddleClass {
    const char* name;
    std::vector<MinorClass> minors;
};

struct MajorClass {
    const char* name;
    std::vector<MiddleClass> middles;
};

// A sub-section (係) and the middle classes (major index, middle index) of
// the files it keeps; a sub-section without any keeps no demo volumes.
struct Subsection {
    const char* name;
    std::vector<std::pair<int, int>> middles;
    // How often its volumes come up against the other sub-sections.
    int weight;
};

// A section (課) with the prefix of its document numbers.
struct Section {
    const char* name;
    const char* numberPrefix;
    std::vector<Subsection> subsections;
};

struct RetentionRow {
    const char* name;
    int years;
};

// The sections of the department master, in code order. The first two keep
// their registers in the demo office and each has a settings record.
const std::vector<Section>& sections();
inline constexpr int kSectionsWithSettings = 2;

// The classification master, in code order.
const std::vector<MajorClass>& classes();

// The retention master: 1, 3, 5, 10 and 30 years and permanent (99 years).
std::span<const RetentionRow> retentionRows();
inline constexpr int kPermanentRetention = 5;

// The city's own name, heading its own offices ("青葉市長").
inline constexpr const char* kCityName = "青葉市";

// Correspondents outside the city hall, and addressees inside it.
std::span<const char* const> outsideCorrespondents();
std::span<const char* const> insideAddressees();

// Subject patterns ("%s" is the topic) of received and sent documents, and
// of documents filed without a register entry, with the remarks these get.
std::span<const char* const> receivedSubjects();
std::span<const char* const> sentSubjects();
std::span<const char* const> filedOnlySubjects();
std::span<const char* const> filedOnlyRemarks();

// The progress steps a received and a sent document go through, in order.
std::span<const char* const> receivedSteps();
std::span<const char* const> sentSteps();

// Why a volume's retention type was lengthened, by the new type's index.
const char* changeReason(int newRetention, int choice);

// The posts and names of the clerks who draft documents.
std::span<const char* const> posts();
std::span<const char* const> personNames();

// The approvers of the two approval routes with their symbols.
struct Approver {
    const char* name;
    const char* symbol;
};
std::span<const Approver> approvers(int type);

// The demo's electronic files beside some catalogue entries.
inline constexpr const char* kRelatedFolderName = "電子文書";
inline constexpr const char* kRelatedFileText = "デモ用の関連ファイルです。\n";

}  // namespace bunrako::cli::demo
