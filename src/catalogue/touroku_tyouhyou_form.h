#pragma once

#include <string>
#include <vector>

#include "catalogue/touroku_tyouhyou.h"

namespace bunrako {

class Prompt;
class Shell;

// The registered-forms dialog (登録帳票): the edits of one record and the
// rules of 登録, 削除 and 実行 on the list of TourokuTyouhyou.dat.
class TourokuTyouhyouForm {
  public:
    static constexpr int kTitleBytes = 80;
    static constexpr int kFileBytes = 255;
    static constexpr int kOptionBytes = 255;

    explicit TourokuTyouhyouForm(CTourokuTyouhyou& list) : m_list(list) {}

    std::vector<std::string> Titles() const;
    // A title chosen in the list fills the edits and the run mode.
    void Select(size_t index);

    std::string title;
    std::string file;
    std::string option;
    int runMode = CTourokuTyouhyouData::print;

    // The record of the edits.
    CTourokuTyouhyouData Record() const;
    // 登録 and 削除 (by title); 1 when the file was written.
    int Register();
    int Remove();
    // 実行: the edits' file run by their mode (0 and 1 with the option).
    int Run(Shell& shell, Prompt& prompt) const;

  private:
    CTourokuTyouhyou& m_list;
};

}  // namespace bunrako
