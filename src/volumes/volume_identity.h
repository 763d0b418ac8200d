#pragma once

#include <string>

namespace bunrako {

struct CDocMasterData;

// When two records are the same volume. Dates compare with the half-second
// equality of date values, texts byte for byte up to their terminator.

// Storing a volume replaces the one of the same creation year, title,
// department and section.
bool isSameVolume(const CDocMasterData& a, const CDocMasterData& b);
// Removing a volume also looks at the three classification names.
bool isSameVolumeToRemove(const CDocMasterData& a, const CDocMasterData& b);

// The title, department and section bytes as one key (the creation year is
// compared separately because date equality has a tolerance).
std::string volumeIdentityKey(const CDocMasterData& volume);

}  // namespace bunrako
