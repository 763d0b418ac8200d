#pragma once

#include <QDialog>
#include <optional>

#include "settings/section_switch_form.h"

class QListWidget;

namespace bunrako {

// 課・係の切替: the sections with settings; 切替 chooses the selected one.
class CDlgShokiSetteiKaKakariKirikae : public QDialog {
    Q_OBJECT
  public:
    explicit CDlgShokiSetteiKaKakariKirikae(const SectionSwitchForm& form,
                                            QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    // The record chosen with 切替.
    const std::optional<CShokiSetteiData>& chosen() const { return m_chosen; }

  private:
    void switchToSelected();

    const SectionSwitchForm& m_form;
    QListWidget* m_list;
    std::optional<CShokiSetteiData> m_chosen;
};

}  // namespace bunrako
