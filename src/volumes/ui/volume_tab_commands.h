#pragma once

#include <QObject>
#include <filesystem>
#include <vector>

#include "office/ui/command_id.h"
#include "office/ui/desktop_ports.h"
#include "office/ui/register_tab.h"
#include "volumes/doc_master_data.h"
#include "volumes/hozon_nengen_henkousho_data.h"
#include "volumes/volume_entry_form.h"

namespace bunrako {

class CBunrakoView;
class CDocMasterList;
class DisposalCommands;
class DocumentData;

// The commands of the three volume tabs and of the change-form tab that
// open the volume dialogs: 簿冊登録, 簿冊変更, 簿冊削除, the extraction of
// each tab, the change dialog on a double-clicked volume, and the data
// linkage of the selected change forms; the disposals go to DisposalCommands. Each command
// stores through the volume list and reloads the tab once at the end; the
// refill keeps the selection of the volumes that still exist.
class VolumeTabCommands : public QObject {
    Q_OBJECT
  public:
    VolumeTabCommands(CBunrakoView& view, DocumentData& document, const DesktopPorts& ports);

    // Runs the command when it is one of these; false otherwise.
    bool run(CommandId id);
    // The change dialog on one volume of a volume tab's list (the permanent
    // ledger's volumes live in the volume file, the disposed ones in theirs).
    void changeVolumeAt(RegisterTab tab, int row);

  private:
    void registerVolume(VolumeEntryMode mode);
    void changeSelected();
    void deleteSelected();
    void extractVolumes(RegisterTab tab);
    void extractChangeForms();
    void linkChangeForms();

    // Opens the entry dialog on a volume until it is stored or cancelled.
    bool openEntry(const CDocMasterData& volume, VolumeEntryMode mode, CDocMasterList& list);
    std::vector<CDocMasterData> selectedVolumes(RegisterTab tab) const;
    std::vector<CHozonNengenHenkoushoData> selectedForms() const;
    CDocMasterList& listOf(RegisterTab tab) const;
    void reload();

    CBunrakoView& m_view;
    DocumentData& m_document;
    DesktopPorts m_ports;
    // 廃棄処理, 保存年限変更 and the data disposals.
    DisposalCommands* m_disposal;
};

}  // namespace bunrako
