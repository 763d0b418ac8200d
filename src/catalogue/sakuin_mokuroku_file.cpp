#include "catalogue/sakuin_mokuroku_file.h"

#include <algorithm>
#include <cstring>

#include "catalogue/archive_field.h"
#include "catalogue/texts.h"
#include "common/archive.h"
#include "common/cp932.h"

namespace bunrako {

namespace ct = catalogue::texts;

namespace {

// ---- Older raw layouts -----------------------------------------------------

constexpr size_t kHeaderSize = sizeof(CSakuinMokurokuHeader);
constexpr size_t kEntrySize = sizeof(CSakuinMokurokuList);
constexpr size_t kVer201HeaderSize = 288;
constexpr size_t kVer303EntrySize = 1160;
constexpr size_t kVer200EntrySize = 1028;

// Version 201 kept a 5-byte retention text at 268 and the span at 276.
constexpr size_t kVer201RetentionTextOffset = 268;
constexpr size_t kVer201RetentionTextSize = 5;
constexpr size_t kVer201RetentionSpanOffset = 276;

// Version 200 entry: narrower subject and remarks, no register link, sender,
// receiver or completion.
constexpr size_t kVer200NumberOffset = 12;
constexpr size_t kVer200SubjectOffset = 19;
constexpr size_t kVer200SubjectSize = 121;
constexpr size_t kVer200RemarksOffset = 140;
constexpr size_t kVer200RemarksSize = 88;
constexpr size_t kVer200FlagsOffset = 228;
constexpr size_t kVer200DatesOffset = 284;
constexpr size_t kVer200NotesOffset = 452;

template <typename T>
void copyOut(T& target, const char* source, size_t size = sizeof(T)) {
    std::memcpy(static_cast<void*>(&target), source, size);
}

// Copies a narrower stored text into a wider field, up to its first NUL.
template <size_t N>
void copyNarrowText(char (&field)[N], const char* source, size_t width) {
    writeFixedBytes(field, fixedBytes(source, width));
}

using HeaderReader = void (*)(std::string_view, CSakuinMokurokuHeader&);
using EntryReader = void (*)(std::string_view, const OleDateTime&, CSakuinMokurokuList&);

void readCurrentHeader(std::string_view image, CSakuinMokurokuHeader& header) {
    copyOut(header, image.data());
}

void readVer201Header(std::string_view image, CSakuinMokurokuHeader& header) {
    std::memcpy(static_cast<void*>(&header), image.data(), kVer201RetentionTextOffset);
    std::memset(header.retentionText, 0, sizeof header.retentionText);
    copyNarrowText(header.retentionText, image.data() + kVer201RetentionTextOffset,
                   kVer201RetentionTextSize);
    std::memset(header.reserved309, 0, sizeof header.reserved309);
    copyOut(header.retentionSpan, image.data() + kVer201RetentionSpanOffset);
}

void readCurrentEntry(std::string_view image, const OleDateTime&, CSakuinMokurokuList& entry) {
    copyOut(entry, image.data());
}

void readVer303Entry(std::string_view image, const OleDateTime& now, CSakuinMokurokuList& entry) {
    entry = CSakuinMokurokuList::Cleared(now);
    std::memcpy(static_cast<void*>(&entry), image.data(), kVer303EntrySize);
    entry.completedFlag = 0;
    entry.completedDate = now;
}

void readVer200Entry(std::string_view image, const OleDateTime& now, CSakuinMokurokuList& entry) {
    entry = CSakuinMokurokuList::Cleared(now);
    const char* data = image.data();
    copyOut(entry.receivedDate, data);
    copyOut(entry.documentNumber, data + kVer200NumberOffset);
    copyNarrowText(entry.subject, data + kVer200SubjectOffset, kVer200SubjectSize);
    copyNarrowText(entry.remarks, data + kVer200RemarksOffset, kVer200RemarksSize);
    copyOut(entry.progressFlag, data + kVer200FlagsOffset);
    copyOut(entry.progressDate, data + kVer200DatesOffset);
    copyOut(entry.progressText, data + kVer200NotesOffset);
}

struct RawVersion {
    const char* tag;
    size_t headerSize;
    HeaderReader readHeader;
    size_t entrySize;
    EntryReader readEntry;
};

const RawVersion kRawVersions[] = {
    {ct::kCatalogueTagVer316, kHeaderSize, readCurrentHeader, kEntrySize, readCurrentEntry},
    {ct::kCatalogueTagVer303, kHeaderSize, readCurrentHeader, kVer303EntrySize, readVer303Entry},
    {ct::kCatalogueTagVer201, kVer201HeaderSize, readVer201Header, kEntrySize, readCurrentEntry},
    {ct::kCatalogueTagVer200, kHeaderSize, readCurrentHeader, kVer200EntrySize, readVer200Entry},
};

const RawVersion* findRawVersion(std::string_view tag) {
    for (const RawVersion& version : kRawVersions) {
        if (tag == version.tag) return &version;
    }
    return nullptr;
}

void parseRawImage(std::string_view bytes, const RawVersion& version, const OleDateTime& now,
                   CatalogueImage& image) {
    std::string_view rest = bytes.substr(std::min(bytes.size(), kCatalogueTagSize));
    if (bytes.size() < kCatalogueTagSize || rest.size() < version.headerSize) {
        image.report.state = ReadState::headerCut;
        return;
    }
    version.readHeader(rest.substr(0, version.headerSize), image.header);
    rest.remove_prefix(version.headerSize);
    while (rest.size() >= version.entrySize) {
        CSakuinMokurokuList entry;
        version.readEntry(rest.substr(0, version.entrySize), now, entry);
        image.entries.push_back(entry);
        rest.remove_prefix(version.entrySize);
    }
    image.report.recordsRead = image.entries.size();
    if (!rest.empty()) {
        image.report.state = ReadState::partialRecord;
        image.report.droppedBytes = rest.size();
    }
}

// ---- The untagged archive -----------------------------------------------

class UntaggedArchiveParser {
  public:
    UntaggedArchiveParser(std::string_view bytes, const OleDateTime& now, CatalogueImage& image)
        : m_archive(bytes), m_now(now), m_image(image) {}

    void parse() {
        m_image.report.archiveFormat = true;
        int32_t count = 0;
        if (!readHeader() || !m_archive.readInt32(count)) {
            if (!tooLong()) m_image.report.state = ReadState::headerCut;
            m_image.header = CSakuinMokurokuHeader::Cleared(m_now);
            return;
        }
        if (count < 0) {
            m_image.report.state = ReadState::badCount;
            m_image.report.declaredCount = count;
            return;
        }
        // Entries are read one by one; the count alone never sizes anything.
        for (int32_t i = 0; i < count; ++i) {
            CSakuinMokurokuList entry = CSakuinMokurokuList::Cleared(m_now);
            if (!readEntry(entry)) {
                if (!tooLong()) m_image.report.state = ReadState::archiveCut;
                break;
            }
            m_image.entries.push_back(entry);
        }
        m_image.report.declaredCount = count;
        m_image.report.recordsRead = m_image.entries.size();
        // A count below the entries present leaves bytes no entry claims.
        if (m_image.report.state == ReadState::complete) {
            m_image.report.trailingBytes = m_archive.remaining();
        }
    }

  private:
    bool tooLong() const { return m_image.report.state == ReadState::textTooLong; }

    template <size_t N>
    bool readText(char (&field)[N], const char* key) {
        return readArchiveText(m_archive, field, key, m_image.report);
    }

    bool readHeader() {
        CSakuinMokurokuHeader& h = m_image.header;
        return readText(h.volumeNumber, ct::kFieldVolumeNumber) &&
               m_archive.readDate(h.fiscalYear) &&
               readText(h.departmentName, ct::kFieldDepartmentName) &&
               readText(h.sectionName, ct::kFieldSectionName) &&
               readText(h.departmentClassCode, ct::kFieldDepartmentClassCode) &&
               readText(h.majorClassCode, ct::kFieldMajorClassCode) &&
               readText(h.majorClassName, ct::kFieldMajorClassName) &&
               readText(h.middleClassCode, ct::kFieldMiddleClassCode) &&
               readText(h.middleClassName, ct::kFieldMiddleClassName) &&
               readText(h.minorClassCode, ct::kFieldMinorClassCode) &&
               readText(h.minorClassName, ct::kFieldMinorClassName) &&
               readText(h.volumeTitle, ct::kFieldVolumeTitle) && m_archive.readInt32(h.bookCount) &&
               m_archive.readDate(h.storageStartYear) && m_archive.readDate(h.storageEndYear) &&
               m_archive.readInt32(h.retentionClass) && m_archive.readSpan(h.retentionSpan);
    }

    bool readEntry(CSakuinMokurokuList& entry) {
        if (!m_archive.readDate(entry.receivedDate) ||
            !readText(entry.documentNumber, ct::kFieldDocumentNumber) ||
            !readText(entry.subject, ct::kFieldSubject) ||
            !readText(entry.remarks, ct::kFieldRemarks)) {
            return false;
        }
        for (int step = 0; step < CSakuinMokurokuList::kProgressSteps; ++step) {
            if (!m_archive.readInt32(entry.progressFlag[step]) ||
                !m_archive.readDate(entry.progressDate[step]) ||
                !readText(entry.progressText[step], ct::kFieldProgressText)) {
                return false;
            }
        }
        return true;
    }

    ArchiveReader m_archive;
    OleDateTime m_now;
    CatalogueImage& m_image;
};

}  // namespace

CatalogueImage parseCatalogueFile(std::string_view bytes, const OleDateTime& now) {
    CatalogueImage image{CSakuinMokurokuHeader::Cleared(now), {}, {}};
    if (bytes.empty()) {
        image.report.state = ReadState::empty;
        return image;
    }
    if (bytes.front() != ct::kCatalogueTagPrefix[0]) {
        UntaggedArchiveParser(bytes, now, image).parse();
        return image;
    }
    const std::string_view tag =
        fixedBytes(bytes.data(), std::min(bytes.size(), kCatalogueTagSize));
    image.report.versionTag = cp932ToUtf8(tag);
    const RawVersion* version = findRawVersion(tag);
    if (version == nullptr) {
        image.report.state = ReadState::unknownTag;
        return image;
    }
    parseRawImage(bytes, *version, now, image);
    if (image.report.state == ReadState::headerCut) {
        image.header = CSakuinMokurokuHeader::Cleared(now);
    }
    return image;
}

std::string serializeCatalogueFile(const CSakuinMokurokuHeader& header,
                                   const std::vector<CSakuinMokurokuList>& entries) {
    std::string bytes(kCatalogueTagSize, '\0');
    const std::string_view tag = ct::kCatalogueTagVer316;
    std::copy(tag.begin(), tag.end(), bytes.begin());
    bytes.reserve(kCatalogueTagSize + sizeof header + entries.size() * kEntrySize);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    for (const CSakuinMokurokuList& entry : entries) {
        bytes.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    }
    return bytes;
}

}  // namespace bunrako
