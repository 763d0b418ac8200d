#pragma once

#include <vector>

#include "office/ui/command_id.h"
#include "office/ui/desktop_ports.h"
#include "register/bunsho_ken_meibo_data.h"
#include "register/bunsho_ken_meibo_form.h"

class QWidget;

namespace bunrako {

class CBunrakoView;
class DocumentData;

// The commands of the title register tab (文書件名簿): 抽出, 登録, 変更, 削除,
// データ連携 and データ廃棄. Each opens its dialog on a copy, calls the
// register's core command and refills the tab.
class RegisterTabCommands {
  public:
    RegisterTabCommands(const DesktopPorts& ports, DocumentData& document, CBunrakoView& view);

    // Runs the command when it is one of the tab's; false otherwise.
    bool run(CommandId id);

    void extract();
    void add();
    void change();
    void remove();
    void link();
    void dispose();

  private:
    // The selected entries of the list, in list order.
    std::vector<CBunshoKenMeiboData> selectedEntries() const;
    // Runs the entry dialog; true when it ended with OK.
    bool runEntryDialog(const CBunshoKenMeiboData& entry, BunshoKenMeiboForm::Mode mode,
                        const BunshoKenMeiboForm::Store& store);
    void refill();

    DesktopPorts m_ports;
    DocumentData& m_document;
    CBunrakoView& m_view;
};

}  // namespace bunrako
