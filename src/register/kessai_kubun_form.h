#pragma once

#include <string>
#include <vector>

namespace bunrako {

class KessaiKubunTable;

// The approver settings of one approval type (決裁者区分設定): one line
// "name,symbol" per level, edited with 追加, 変更 and 削除; OK writes the
// lines back as levels 0, 1, ... of the type.
class KessaiKubunForm {
  public:
    KessaiKubunForm(const KessaiKubunTable& table, int type);

    int type() const { return m_type; }
    const std::vector<std::string>& lines() const { return m_lines; }
    int selected() const { return m_selected; }

    // The edits 決裁者 (20 bytes) and 決裁区分記号 (10 bytes).
    std::string name;
    std::string symbol;

    // A chosen line puts its name and symbol (before and after its first
    // ",") into the edits.
    void select(int line);
    // 追加 while the type has a free level; 変更 and 削除 with a chosen line.
    bool addEnabled() const;
    bool changeEnabled() const { return m_selected >= 0; }
    bool removeEnabled() const { return m_selected >= 0; }
    // Each does nothing (false) when its rule refuses: 追加 needs both edits
    // and a name not listed yet; 変更 a chosen line and both edits.
    bool add();
    bool change();
    bool remove();
    // OK: the type's names and symbols from the lines; levels without a
    // line are emptied.
    void applyTo(KessaiKubunTable& table) const;

  private:
    int levelCount() const;

    int m_type;
    std::vector<std::string> m_lines;
    int m_selected = -1;
};

}  // namespace bunrako
