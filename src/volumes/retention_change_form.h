#pragma once

#include <optional>
#include <string>
#include <vector>

#include "volumes/hozon_shubetu_henkou.h"

namespace bunrako {

class CSetteiKoumokuList;

// The rules of the retention-type change dialog (保存種別の一括変更処理): the
// types the retention table offers, the new type and the reason, and the
// check on OK.
class RetentionChangeForm {
  public:
    // The reason field of the change form holds 512 bytes and its NUL.
    static constexpr int kReasonBytes = 512;

    explicit RetentionChangeForm(const CSetteiKoumokuList& retention);

    // The names of the table's rows, in its order (a name twice is offered
    // once: the first row with it is the type).
    std::vector<std::string> typeNames() const;
    std::string& type() { return m_type; }
    std::string& reason() { return m_reason; }
    const std::string& type() const { return m_type; }
    const std::string& reason() const { return m_reason; }

    // The chosen type, when the input is complete: a type of the table and a
    // reason that is not empty and fits the form. Otherwise nothing, and the
    // dialog stays open without a message.
    std::optional<RetentionType> chosenType() const;

  private:
    const CSetteiKoumokuList& m_retention;
    std::string m_type;
    std::string m_reason;
};

}  // namespace bunrako
