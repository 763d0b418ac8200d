#pragma once

#include <string>

#include "common/ole_date_time.h"
#include "settings/calendar_mode.h"

namespace bunrako {

struct CBosatuTyuushutuJouken;
struct CHozonNengenHenkoushoTyuushutuJouken;

// The captions shown above the register lists: the register's name and the
// fiscal years its extraction covers. UTF-8.

// The registers built on volume data, which share one caption rule.
enum class VolumeRegister { volumeList, permanentLedger, disposedList, changeForms };

const char* volumeRegisterName(VolumeRegister reg);

// Not extracted by year: the name alone. Otherwise the label years of the
// two dates, "2008年度　文書整理一覧表" or "2007年度～2008年度　文書整理一覧表" in
// Western mode, "平成20年度　文書整理一覧表" or "平成19年度～平成20年度　文書整理一覧表"
// in era mode (one year when both labels are the same).
std::string volumeRegisterCaption(VolumeRegister reg, bool byYear, const OleDateTime& from,
                                  const OleDateTime& to, CalendarMode mode);
// The same from the tab's criteria: their creation-year criterion.
std::string volumeRegisterCaption(VolumeRegister reg, const CBosatuTyuushutuJouken& criteria,
                                  CalendarMode mode);
std::string changeFormCaption(const CHozonNengenHenkoushoTyuushutuJouken& criteria,
                              CalendarMode mode);

}  // namespace bunrako
