#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp932.h"
#include "common/ole_date_time.h"

namespace bunrako {

class ArchiveReader;
class ArchiveWriter;

// One remembered name with its use count and last use.
struct NameListSlot {
    // The name as stored (CP932, with whatever follows a NUL in it, so that
    // rewriting loses nothing); the name ends at the first NUL, and an empty
    // name marks an unused slot.
    std::string meishou;
    int32_t kaisuu = 0;
    OleDateTime hiniti;

    bool used() const { return !textBytes(meishou).empty(); }
    std::string name() const { return storedText(meishou); }
};

// A short list of the names users type most (senders, receivers, posts,
// person names), most used first, for the drop-down lists of the dialogs.
class NameList {
  public:
    // The three items of a slot, in file order.
    enum class Item { none, meishou, kaisuu, hiniti };

    // slotCount slots, all unused and stamped with constructedAt; a use that
    // brings a count above 20 lowers the first agingCount counts by one.
    NameList(size_t slotCount, size_t agingCount, const OleDateTime& constructedAt);

    // Records one use of the name at now and re-orders the list; false, with
    // nothing changed, for an empty name.
    bool Record(std::string_view utf8Name, const OleDateTime& now);

    std::vector<NameListSlot>& slots() { return m_slots; }
    const std::vector<NameListSlot>& slots() const { return m_slots; }
    // The names of the used slots in order, up to the first unused one.
    std::vector<std::string> Names() const;

    // Reads one slot item by item; the items read before a failure stay.
    // Gives the item that failed, or none.
    static Item ReadSlot(ArchiveReader& reader, NameListSlot& slot);
    static void WriteSlot(ArchiveWriter& writer, const NameListSlot& slot);
    static const char* ItemName(Item item);

  private:
    void age();
    void reorder();

    std::vector<NameListSlot> m_slots;
    size_t m_agingCount;
};

}  // namespace bunrako
