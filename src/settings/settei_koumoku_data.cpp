#include "settings/settei_koumoku_data.h"

#include "common/cp932.h"

namespace bunrako {
namespace {

bool allZeros(std::string_view text) {
    return text.find_first_not_of('0') == std::string_view::npos;
}

// Characters from..to of a code, "" when the code is shorter.
std::string_view part(std::string_view code, size_t from, size_t length) {
    return code.size() >= from + length ? code.substr(from, length) : std::string_view();
}

}  // namespace

CSetteiKoumokuData::CSetteiKoumokuData(std::string_view itemCode, std::string_view itemName,
                                       std::string_view itemSubName) {
    SetCode(itemCode);
    SetName(itemName);
    SetSubName(itemSubName);
}

std::string CSetteiKoumokuData::Code() const { return std::string(fixedBytes(code)); }
std::string CSetteiKoumokuData::Name() const { return readFixedText(name); }
std::string CSetteiKoumokuData::SubName() const { return readFixedText(subName); }

bool CSetteiKoumokuData::SetCode(std::string_view itemCode) {
    return writeFixedBytes(code, itemCode);
}
bool CSetteiKoumokuData::SetName(std::string_view utf8) { return writeFixedText(name, utf8); }
bool CSetteiKoumokuData::SetSubName(std::string_view utf8) { return writeFixedText(subName, utf8); }

int CSetteiKoumokuData::Level() const { return ItemLevel(fixedBytes(code)); }

int ItemLevel(std::string_view code) {
    if (code.empty() || code == kRootCode) return 0;
    if (code.size() == 10 && allZeros(code.substr(3))) return 1;
    if (code.size() == 10 && allZeros(code.substr(6))) return 2;
    return 3;
}

bool IsChildCode(std::string_view parent, std::string_view child) {
    const int childLevel = ItemLevel(child);
    switch (ItemLevel(parent)) {
        case 0:
            return childLevel == 1;
        case 1:
            // A level-2 number of 000 would be the parent itself.
            return childLevel == 2 && part(child, 0, 3) == part(parent, 0, 3) &&
                   !allZeros(part(child, 3, 3));
        case 2:
            return childLevel == 3 && part(child, 0, 6) == part(parent, 0, 6);
        default:
            return false;
    }
}

std::string ParentCode(std::string_view code) {
    switch (ItemLevel(code)) {
        case 2:
            return std::string(part(code, 0, 3)) + "0000000";
        case 3:
            return code.size() >= 6 ? std::string(code.substr(0, 6)) + "0000" : std::string();
        default:
            return {};
    }
}

}  // namespace bunrako
