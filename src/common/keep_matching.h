#pragma once

#include <span>
#include <utility>
#include <vector>

namespace bunrako {

// The records the filter keeps, in their order, in the storage given (the
// list they replace, whose room is used again). Room for all is made at
// once: growing a list of records of hundreds of bytes step by step would
// copy it several times over; a list that kept few gives the room back.
template <class Record, class Filter>
std::vector<Record> keepMatching(std::span<const Record> records, const Filter& filter,
                                 std::vector<Record> kept = {}) {
    kept.clear();
    kept.reserve(records.size());
    for (const Record& record : records) {
        if (filter(record)) kept.push_back(record);
    }
    if (kept.size() < kept.capacity() / 2) kept.shrink_to_fit();
    return kept;
}

}  // namespace bunrako
