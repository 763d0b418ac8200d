#include "catalogue/touroku_tyouhyou_form.h"

#include "common/my_tool.h"

namespace bunrako {

std::vector<std::string> TourokuTyouhyouForm::Titles() const {
    std::vector<std::string> titles;
    for (const CTourokuTyouhyouData& record : m_list.records())
        titles.push_back(record.titleText());
    return titles;
}

void TourokuTyouhyouForm::Select(size_t index) {
    if (index >= m_list.records().size()) return;
    const CTourokuTyouhyouData& record = m_list.records()[index];
    title = record.titleText();
    file = record.fileText();
    option = record.optionText();
    runMode = record.runMode;
}

CTourokuTyouhyouData TourokuTyouhyouForm::Record() const {
    CTourokuTyouhyouData record = CTourokuTyouhyouData::New();
    record.setTitleText(title);
    record.setFileText(file);
    record.setOptionText(option);
    record.runMode = runMode;
    return record;
}

int TourokuTyouhyouForm::Register() {
    // The title is the key: a record without one could never be told apart.
    if (title.empty()) return 0;
    return m_list.AddOrReplace(Record());
}

int TourokuTyouhyouForm::Remove() { return m_list.Remove(Record()); }

int TourokuTyouhyouForm::Run(Shell& shell, Prompt& prompt) const {
    const auto mode = static_cast<RunMode>(runMode);
    const bool withOption = mode == RunMode::startAndWait || mode == RunMode::start;
    return CMyTool::RunProgram(shell, prompt, file, mode, withOption ? option : std::string());
}

}  // namespace bunrako
