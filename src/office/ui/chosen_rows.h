#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace bunrako {

// The records a clerk selected, remembered across a refill by what tells
// them apart in the file (a volume's number and title, a document's date,
// number and subject...), so that the same records are selected again in
// the refilled list. The keys share one buffer: a hundred thousand selected
// rows cost no allocation each.
template <class Record>
class ChosenRows {
  public:
    // Appends the bytes that tell a record apart to key.
    using KeyOf = std::function<void(const Record& record, std::string& key)>;

    ChosenRows(const std::vector<Record>& records, const std::vector<int>& rows, KeyOf keyOf)
        : m_keyOf(std::move(keyOf)) {
        std::vector<size_t> ends;
        ends.reserve(rows.size());
        for (const int row : rows) {
            m_keyOf(records[static_cast<size_t>(row)], m_keys);
            ends.push_back(m_keys.size());
        }
        m_set.reserve(rows.size());
        size_t begin = 0;
        for (const size_t end : ends) {
            m_set.insert(std::string_view(m_keys).substr(begin, end - begin));
            begin = end;
        }
    }

    bool empty() const { return m_set.empty(); }

    // The rows of records that hold a remembered record, ascending.
    std::vector<int> rowsIn(const std::vector<Record>& records) const {
        std::vector<int> rows;
        if (m_set.empty()) return rows;
        std::string key;
        for (size_t row = 0; row < records.size(); ++row) {
            key.clear();
            m_keyOf(records[row], key);
            if (m_set.count(key) > 0) rows.push_back(static_cast<int>(row));
        }
        return rows;
    }

  private:
    KeyOf m_keyOf;
    std::string m_keys;
    std::unordered_set<std::string_view> m_set;
};

}  // namespace bunrako
