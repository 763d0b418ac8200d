#pragma once

namespace bunrako {

// One column of a register list: its caption (UTF-8) and its width in pixels.
struct ListColumn {
    const char* caption;
    int width;
};

// The position of a column given by its list's enum (VolumeListColumn::title
// is 6): the lists and views address cells by position.
template <typename Column>
constexpr int columnIndex(Column column) {
    return static_cast<int>(column);
}

}  // namespace bunrako
