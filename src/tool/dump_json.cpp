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
    if (value.status() != OleDateTime::valid) {
        if (activeScan) ++activeScan->invalidDates;
        return "invalid";
    }
    const std::string text = value.format("%Y-%m-%dT%H:%M:%S");
    return text.empty() ? Json("invalid") : Json(text);
}

Json spanJson(const OleSpan& value) {
    if (value.status() != OleSpan::valid || !std::isfinite(value.days())) return "invalid";
    const double days = value.days();
    if (days == std::trunc(days) && std::fabs(days) < 9e15) return static_cast<int64_t>(days);
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
