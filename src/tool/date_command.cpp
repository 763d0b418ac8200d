#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>

#include "common/my_tool.h"
#include "tool/cli.h"
#include "tool/commands.h"
#include "tool/date_argument.h"
#include "tool/texts.h"

namespace bunrako::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kPeriodTypeCount = 4;
constexpr const char* kUsageLine = "usage: bunrako-tool date YYYY-MM-DD\n";

Json isoDate(const OleDateTime& value) {
    if (!value.isValid()) return nullptr;
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", value.year(), value.month(), value.day());
    return text;
}

Json fiscalYears(const CMyTool& tool, const OleDateTime& date) {
    Json years = Json::array();
    for (int type = 0; type < kPeriodTypeCount; ++type) {
        Json year;
        year["type"] = type;
        year["label"] = isoDate(tool.FiscalLabelDate(date, type));
        year["start"] = isoDate(tool.FiscalYearStart(date, type));
        year["end"] = isoDate(tool.FiscalYearEnd(date, type));
        years.push_back(std::move(year));
    }
    return years;
}

Json dateFacts(const OleDateTime& date) {
    const CMyTool tool;
    const std::string era = tool.DateToEraText(date);
    Json facts;
    facts["western"] = date.format("%Y,%m,%d");
    facts["era"] = era;
    facts["long"] = tool.FormatEraDate(era, 0, false);
    facts["short"] = tool.FormatEraDateShort(era, 0);
    facts["fiscal"] = fiscalYears(tool, date);
    return facts;
}

}  // namespace

int runDate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<DateParts> parts =
        args.size() == 1 ? parseDateArgument(args.front()) : std::nullopt;
    if (!parts) {
        err << kUsageLine;
        return kUsage;
    }
    const OleDateTime date = OleDateTime::fromDate(parts->year, parts->month, parts->day);
    if (!date.isValid()) {
        err << tool::texts::kInvalidDate << args.front() << "\n";
        return kFailure;
    }
    out << dateFacts(date).dump() << "\n";
    return kSuccess;
}

}  // namespace bunrako::cli
