#include "register/row_keys.h"

#include "common/row_key.h"
#include "register/bunsho_ken_meibo_data.h"

namespace bunrako {

void appendRegisterRowKey(const CBunshoKenMeiboData& entry, std::string& key) {
    appendKeyBytes(key, entry.calendarYearFlag);
    appendKeyBytes(key, entry.registerYear.days());
    appendKeyBytes(key, entry.documentNumber);
    appendKeyBytes(key, entry.sectionCode);
}

}  // namespace bunrako
