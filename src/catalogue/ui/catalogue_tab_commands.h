#pragma once

#include <optional>
#include <vector>

#include "catalogue/sakuin_mokuroku_form.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "office/ui/command_id.h"
#include "office/ui/desktop_ports.h"
#include "volumes/doc_master_data.h"

namespace bunrako {

class CBunrakoView;
class DocumentData;

// The commands of the index catalogue tab (索引目録) for the volume chosen in
// the volume list: 抽出, 登録, 変更, 削除 and データ連携, and the volume tab's
// 索引目録一括印刷. Each dialog opens on a copy; the catalogue is written by
// the catalogue's own operations and the tab is reloaded once at the end,
// keeping the selection of the entries that still exist.
class CatalogueTabCommands {
  public:
    CatalogueTabCommands(const DesktopPorts& ports, DocumentData& document, CBunrakoView& view);

    // Runs the command when it is one of these; false otherwise.
    bool run(CommandId id);

    void extract();
    void add();
    void change();
    void remove();
    void link();
    void printBatch();

  private:
    // The volume whose catalogue the tab shows (told when there is none).
    std::optional<CDocMasterData> chosenVolume() const;
    // The selected entries of the list, in list order.
    std::vector<CSakuinMokurokuList> selectedEntries() const;
    // Runs the entry dialog on the entry until it is stored or cancelled;
    // true when the catalogue changed.
    bool runEntryDialog(const CDocMasterData& volume, const CSakuinMokurokuList& entry,
                        SakuinMokurokuForm::Mode mode);
    void refill();

    DesktopPorts m_ports;
    DocumentData& m_document;
    CBunrakoView& m_view;
};

}  // namespace bunrako
