#include "register/name_list.h"

#include <algorithm>
#include <utility>

#include "common/archive.h"
#include "common/format_text.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

// Counts above this age the top of the list, so that names once frequent
// make room for new ones.
constexpr int32_t kAgingThreshold = 20;

// Descending order of these texts is descending order of count, then of the
// last use to the minute.
std::string sortKey(const NameListSlot& slot) {
    const OleDateTime& when = slot.hiniti;
    return formatPrintf(texts::kSlotSortKey, slot.kaisuu, when.year(), when.month(), when.day(),
                        when.hour(), when.minute());
}

}  // namespace

NameList::NameList(size_t slotCount, size_t agingCount, const OleDateTime& constructedAt)
    : m_slots(slotCount), m_agingCount(std::min(agingCount, slotCount)) {
    for (NameListSlot& slot : m_slots) slot.hiniti = constructedAt;
}

bool NameList::Record(std::string_view utf8Name, const OleDateTime& now) {
    if (utf8Name.empty() || m_slots.empty()) return false;
    const std::string name = utf8ToCp932(utf8Name);
    const auto found = std::find_if(m_slots.begin(), m_slots.end(), [&](const NameListSlot& s) {
        return !s.used() || textBytes(s.meishou) == name;
    });
    if (found != m_slots.end()) {
        if (textBytes(found->meishou) != name) found->meishou = name;
        found->kaisuu += 1;
        found->hiniti = now;
        if (found->kaisuu > kAgingThreshold) age();
    } else {
        m_slots.back() = {name, 1, now};
    }
    reorder();
    return true;
}

void NameList::age() {
    for (size_t i = 0; i < m_agingCount && m_slots[i].used(); ++i) m_slots[i].kaisuu -= 1;
}

void NameList::reorder() {
    for (size_t j = 0; j + 1 < m_slots.size(); ++j) {
        if (!m_slots[j].used()) continue;
        for (size_t i = j; i < m_slots.size(); ++i) {
            if (m_slots[i].used() && sortKey(m_slots[j]) < sortKey(m_slots[i])) {
                std::swap(m_slots[j], m_slots[i]);
            }
        }
    }
}

std::vector<std::string> NameList::Names() const {
    std::vector<std::string> names;
    for (const NameListSlot& slot : m_slots) {
        if (!slot.used()) break;
        names.push_back(slot.name());
    }
    return names;
}

NameList::Item NameList::ReadSlot(ArchiveReader& reader, NameListSlot& slot) {
    std::string name;
    if (!reader.readBytesString(name)) return Item::meishou;
    slot.meishou = std::move(name);
    int32_t count = 0;
    if (!reader.readInt32(count)) return Item::kaisuu;
    slot.kaisuu = count;
    OleDateTime when;
    if (!reader.readDate(when)) return Item::hiniti;
    slot.hiniti = when;
    return Item::none;
}

void NameList::WriteSlot(ArchiveWriter& writer, const NameListSlot& slot) {
    writer.writeBytesString(slot.meishou);
    writer.writeInt32(slot.kaisuu);
    writer.writeDate(slot.hiniti);
}

const char* NameList::ItemName(Item item) {
    switch (item) {
        case Item::meishou:
            return texts::kSlotMeishou;
        case Item::kaisuu:
            return texts::kSlotKaisuu;
        case Item::hiniti:
            return texts::kSlotHiniti;
        case Item::none:
            break;
    }
    return "";
}

}  // namespace bunrako
