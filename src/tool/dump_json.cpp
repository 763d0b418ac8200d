#include <cmath>

#include "common/cp932.h"
#include "tool/dump.h"

namespace bunrako::cli {
namespace {

thread_local ValueScan* activeScan = nullptr;

}  // namespace

ValueScan::ValueScan() { activeScan = this; }
ValueScan::~ValueScan() { activeScan = nullptr; }

Json dateJson(const OleDateTime& value) {
    if (value.status() == OleDateTime::null) return nullptr;
    if (!value.isValid()) {
        if (activeScan)
            ++(value.namesNoDay() ? activeScan->valuesNamingNothing : activeScan->invalidDates);
        return "invalid";
    }
    return value.format("%Y-%m-%dT%H:%M:%S");
}

Json spanJson(const OleSpan& value) {
    if (!value.isValid()) {
        if (activeScan && value.namesNoSpan()) ++activeScan->valuesNamingNothing;
        return "invalid";
    }
    const double days = value.days();
    if (days == std::trunc(days)) return static_cast<int64_t>(days);
    return days;
}

Json textJson(const char* field, size_t width) { return readFixedText(field, width); }

Json recordsDocument(std::string_view kind, const std::optional<std::string>& version) {
    Json document;
    document["kind"] = kind;
    document["version"] = version ? Json(*version) : Json(nullptr);
    document["records"] = Json::array();
    return document;
}

}  // namespace bunrako::cli
