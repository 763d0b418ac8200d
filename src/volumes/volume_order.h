#pragma once

#include <array>
#include <span>

namespace bunrako {

class CMyTool;
struct CDocMasterData;

// The order of a volume file: by a 16-byte key compared as CP932 bytes:
// era number, comma and two-digit era year of the creation year (the first
// four characters of its era date text), the major classification code
// right-aligned in four characters, the middle and minor codes right-aligned
// in two, then the serial of the management number.
using VolumeSortKey = std::array<char, 16>;
VolumeSortKey volumeSortKey(const CDocMasterData& volume, const CMyTool& tool);

// Sorts ascending by that key. Volumes with equal keys keep their order. Each
// key is built once per sort; records are moved only when out of place.
void sortVolumes(std::span<CDocMasterData> volumes, const CMyTool& tool);

}  // namespace bunrako
