#include "volumes/disposal_form.h"

#include "common/my_tool.h"
#include "volumes/haiki_shori.h"

namespace bunrako {

DisposalForm::DisposalForm(const OleDateTime& today, bool western)
    : m_month(monthInputOf(today, western, CMyTool())) {}

std::optional<OleDateTime> DisposalForm::disposalMonth() const { return disposalMonthOf(m_month); }

}  // namespace bunrako
