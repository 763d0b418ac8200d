#pragma once

#include <string>

namespace bunrako {

// Appends a fixed field's bytes, all of them, to the key that tells a record
// apart across a re-read of its file (dates by their stored days).
template <class Field>
void appendKeyBytes(std::string& key, const Field& field) {
    key.append(reinterpret_cast<const char*>(&field), sizeof field);
}

}  // namespace bunrako
