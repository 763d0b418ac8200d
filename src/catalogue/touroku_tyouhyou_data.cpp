#include "catalogue/touroku_tyouhyou_data.h"

#include <cstring>

#include "common/cp932.h"

namespace bunrako {

CTourokuTyouhyouData CTourokuTyouhyouData::New() {
    CTourokuTyouhyouData record;
    std::memset(&record, 0, sizeof record);
    record.runMode = print;
    return record;
}

bool CTourokuTyouhyouData::SameTitle(const CTourokuTyouhyouData& other) const {
    return fixedBytes(title) == fixedBytes(other.title);
}

std::string CTourokuTyouhyouData::titleText() const { return readFixedText(title); }
std::string CTourokuTyouhyouData::fileText() const { return readFixedText(file); }
std::string CTourokuTyouhyouData::optionText() const { return readFixedText(option); }
void CTourokuTyouhyouData::setTitleText(std::string_view utf8) { writeFixedText(title, utf8); }
void CTourokuTyouhyouData::setFileText(std::string_view utf8) { writeFixedText(file, utf8); }
void CTourokuTyouhyouData::setOptionText(std::string_view utf8) { writeFixedText(option, utf8); }

}  // namespace bunrako
