#pragma once

namespace bunrako {

// One column of a register list: its caption (UTF-8) and its width in pixels.
struct ListColumn {
    const char* caption;
    int width;
};

}  // namespace bunrako
