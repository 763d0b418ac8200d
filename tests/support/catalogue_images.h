#pragma once

// Hand-built index catalogue images shared by the catalogue tests.

#include <string>

#include "common/ole_date_time.h"
#include "support/catalogue_bytes.h"

namespace bunrako::testing {

inline double day(int year, int month, int d) {
    return static_cast<double>(daysFromCivil(year, month, d));
}

struct EntryValues {
    double received = day(2020, 5, 1);
    std::string number = "12";
    std::string subject = "会議の開催について";
    std::string remarks = "備考あり";
    std::string sender = "総務部長";
    std::string receiver = "各課長";
    int32_t link = 1;
    int32_t completed = 1;
    double completedDate = day(2020, 6, 30);
};

inline std::string headerImage(const std::string& title = "会議録") {
    using namespace bytes;
    const double fiscal = day(2020, 4, 1);
    return fixed("502123456 1 2 3000100", 22) + zeros(2) + rawDate(fiscal) + fixed("総務課", 21) +
           fixed("庶務係", 21) + fixed("0102030000", 11) + fixed("01", 5) + fixed("総務", 21) +
           fixed("02", 3) + fixed("文書", 21) + fixed("03", 3) + fixed("会議", 21) +
           fixed(title, 73) + le32(1) + rawDate(fiscal) + rawDate(day(2021, 4, 1)) + le32(4) +
           fixed("10年", 41) + zeros(3) + rawDate(3660.0);
}

// The progress slots: step k in use when k is odd, dated k days after
// reception, noted "経過k".
inline std::string progressFlags() {
    std::string out;
    for (int k = 1; k <= 14; ++k) out += bytes::le32(k % 2);
    return out;
}
inline std::string progressDates(double received) {
    std::string out;
    for (int k = 1; k <= 14; ++k) out += bytes::rawDate(received + k);
    return out;
}
inline std::string progressNotes() {
    std::string out;
    for (int k = 1; k <= 14; ++k) out += bytes::fixed("経過" + std::to_string(k), 41);
    return out;
}

inline std::string entryImage316(const EntryValues& v = {}) {
    using namespace bytes;
    return rawDate(v.received) + fixed(v.number, 7) + fixed(v.subject, 161) + fixed(v.remarks, 89) +
           zeros(3) + progressFlags() + progressDates(v.received) + progressNotes() + zeros(2) +
           le32(v.link) + fixed(v.sender, 41) + fixed(v.receiver, 41) + zeros(2) +
           le32(v.completed) + rawDate(v.completedDate);
}

inline std::string entryImage303(const EntryValues& v = {}) {
    return entryImage316(v).substr(0, 1160);
}

inline std::string entryImage200(const EntryValues& v = {}) {
    using namespace bytes;
    return rawDate(v.received) + fixed(v.number, 7) + fixed(v.subject, 121) + fixed(v.remarks, 88) +
           progressFlags() + progressDates(v.received) + progressNotes() + zeros(2);
}

inline std::string tag(const std::string& text) { return bytes::fixed(text, 21); }

// The oldest catalogue: an untagged archive of the header fields, a count
// and the entries field by field.
inline std::string untaggedHeader() {
    return bytes::archiveString("502123456 1 2 3000100") + bytes::archiveDate(day(2020, 4, 1)) +
           bytes::archiveString("総務課") + bytes::archiveString("庶務係") +
           bytes::archiveString("0102030000") + bytes::archiveString("01") +
           bytes::archiveString("総務") + bytes::archiveString("02") +
           bytes::archiveString("文書") + bytes::archiveString("03") +
           bytes::archiveString("会議") + bytes::archiveString("会議録") + bytes::le32(1) +
           bytes::archiveDate(day(2020, 4, 1)) + bytes::archiveDate(day(2021, 4, 1)) +
           bytes::le32(4) + bytes::archiveDate(3660.0);
}

inline std::string untaggedEntry(const std::string& subject, double received = day(2020, 5, 1)) {
    std::string out = bytes::archiveDate(received) + bytes::archiveString("12") +
                      bytes::archiveString(subject) + bytes::archiveString("備考あり");
    for (int k = 1; k <= 14; ++k) {
        out += bytes::le32(k % 2) + bytes::archiveDate(received + k) +
               bytes::archiveString("経過" + std::to_string(k));
    }
    return out;
}

// One registered form (597 bytes) and the tag of TourokuTyouhyou.dat.
inline std::string registeredFormBytes(const std::string& title, const std::string& file,
                                       int32_t mode, const std::string& option) {
    using namespace bytes;
    return fixed(title, 81) + fixed(file, 256) + le32(mode) + fixed(option, 256);
}
inline std::string registeredFormsTag() { return bytes::fixed("Ver20030101", 15); }

}  // namespace bunrako::testing
