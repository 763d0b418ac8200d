#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "register/bunsho_ken_meibo_data.h"
#include "register/register_caption.h"
#include "register/register_criteria.h"
#include "register/register_list_cells.h"

namespace bunrako {
namespace {

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

constexpr CalendarMode kWestern{true, 0};
constexpr CalendarMode kEra{false, 0};

RegisterCriteria years(int calendarYear, OleDateTime from, OleDateTime to) {
    RegisterCriteria criteria;
    criteria.calendarYear = calendarYear;
    criteria.yearFrom = from;
    criteria.yearTo = to;
    return criteria;
}

TEST(RegisterCaptionTest, WithoutYearsTheNameStandsAlone) {
    RegisterCriteria criteria = years(0, date(2021, 4, 1), date(2021, 4, 1));
    criteria.byYear = 0;
    EXPECT_EQ(registerCaption(criteria, kWestern), "　　　　　文書件名簿");
    EXPECT_EQ(registerCaption(criteria, kEra), "　　　　　文書件名簿");
}

TEST(RegisterCaptionTest, CalendarYears) {
    const RegisterCriteria one = years(1, date(2021, 1, 1), date(2021, 1, 1));
    EXPECT_EQ(registerCaption(one, kWestern), "2021年　文書件名簿");
    EXPECT_EQ(registerCaption(one, kEra), "令和3年　文書件名簿");
    const RegisterCriteria two = years(1, date(2020, 1, 1), date(2021, 1, 1));
    EXPECT_EQ(registerCaption(two, kWestern), "2020年～2021年　文書件名簿");
    EXPECT_EQ(registerCaption(two, kEra), "令和2年～令和3年　文書件名簿");
    // 1 January 2019 was still 平成.
    const RegisterCriteria change = years(1, date(2019, 1, 1), date(2020, 1, 1));
    EXPECT_EQ(registerCaption(change, kEra), "平成31年～令和2年　文書件名簿");
}

TEST(RegisterCaptionTest, FiscalYearsShowTheirLabels) {
    const RegisterCriteria one = years(0, date(2021, 4, 1), date(2021, 4, 1));
    EXPECT_EQ(registerCaption(one, kWestern), "2021年度　文書件名簿");
    EXPECT_EQ(registerCaption(one, kEra), "令和3年度　文書件名簿");
    const RegisterCriteria two = years(0, date(2020, 4, 1), date(2021, 4, 1));
    EXPECT_EQ(registerCaption(two, kWestern), "2020年度～2021年度　文書件名簿");
    EXPECT_EQ(registerCaption(two, kEra), "令和2年度～令和3年度　文書件名簿");
    // A July fiscal year that begins in 2020 is labelled 2021.
    const RegisterCriteria july = years(0, date(2020, 7, 1), date(2020, 7, 1));
    EXPECT_EQ(registerCaption(july, {true, 1}), "2021年度　文書件名簿");
    EXPECT_EQ(registerCaption(july, {false, 1}), "令和3年度　文書件名簿");
    // Two dates of one fiscal year are one year.
    const RegisterCriteria same = years(0, date(2021, 4, 1), date(2022, 3, 31));
    EXPECT_EQ(registerCaption(same, kEra), "令和3年度　文書件名簿");
}

CBunshoKenMeiboData sample() {
    CBunshoKenMeiboData e;
    std::memset(static_cast<void*>(&e), 0, sizeof e);
    e.receivedDate = OleDateTime::fromDateTime(2021, 4, 1, 10, 15, 0);
    e.setDocumentNumber("12");
    e.setSubject("会議の開催について");
    e.setSender("総務部長");
    e.setReceiver("各課長");
    return e;
}

TEST(RegisterListCellsTest, ColumnsAndWidths) {
    const auto columns = registerListColumns();
    ASSERT_EQ(columns.size(), 5u);
    const std::vector<std::pair<std::string, int>> expected = {
        {"受付日", 100}, {"番号", 80}, {"件名", 500}, {"発信者", 100}, {"受信者", 100}};
    for (size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].caption, expected[i].first);
        EXPECT_EQ(columns[i].width, expected[i].second);
    }
}

TEST(RegisterListCellsTest, CellsInBothCalendarModes) {
    const CBunshoKenMeiboData e = sample();
    EXPECT_EQ(
        registerListCells(e, kWestern),
        (std::vector<std::string>{"2021.04.01", "12", "会議の開催について", "総務部長", "各課長"}));
    EXPECT_EQ(
        registerListCells(e, kEra),
        (std::vector<std::string>{"R3.4.1", "12", "会議の開催について", "総務部長", "各課長"}));
    EXPECT_EQ(registerListCell(e, columnIndex(RegisterListColumn::count), kEra), "");
    CBunshoKenMeiboData old = e;
    old.receivedDate = date(1989, 1, 7);
    EXPECT_EQ(registerListCell(old, columnIndex(RegisterListColumn::received), kEra), "S64.1.7");
    EXPECT_EQ(registerListCell(old, columnIndex(RegisterListColumn::received), kWestern),
              "1989.01.07");
    old.receivedDate = OleDateTime::invalidValue();
    EXPECT_EQ(registerListCell(old, columnIndex(RegisterListColumn::received), kWestern), "");
    EXPECT_EQ(registerListCell(old, columnIndex(RegisterListColumn::received), kEra), "");
}

}  // namespace
}  // namespace bunrako
