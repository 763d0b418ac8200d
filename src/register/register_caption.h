#pragma once

#include <string>

#include "settings/calendar_mode.h"

namespace bunrako {

struct RegisterCriteria;

// The caption above the title register list (文書件名簿): the register's name
// and the years its extraction covers, UTF-8.
// - Not extracted by year: "　　　　　文書件名簿".
// - Kept by calendar year: the years of the two bounds, "2021年　文書件名簿",
//   "2020年～2021年　文書件名簿", "令和3年　文書件名簿", "令和2年～令和3年　文書件名簿".
// - Kept by fiscal year: the label years of the bounds' fiscal years,
//   "2021年度　文書件名簿", "2020年度～2021年度　文書件名簿", "令和3年度　文書件名簿",
//   "令和2年度～令和3年度　文書件名簿".
std::string registerCaption(const RegisterCriteria& criteria, CalendarMode mode);

}  // namespace bunrako
