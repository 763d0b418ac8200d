#pragma once

#include <QObject>

#include "office/ui/command_id.h"
#include "office/ui/desktop_ports.h"
#include "office/ui/register_tab.h"

namespace bunrako {

class CBunrakoView;
class DocumentData;

// The year-end commands that change or remove many selected records at
// once: 廃棄処理 and 保存年限変更 of the volume list, and データ廃棄 of the
// volume list, the disposed volumes and the change forms. Each shows its
// progress, says at the end what was done and which files were written, and
// reloads the tab, where the records that still exist stay selected.
class DisposalCommands : public QObject {
    Q_OBJECT
  public:
    DisposalCommands(CBunrakoView& view, DocumentData& document, const DesktopPorts& ports);

    // Runs the command when it is one of these; false otherwise.
    bool run(CommandId id);

  private:
    void disposeSelected();
    void changeRetentionOfSelected();
    void disposeVolumeData(RegisterTab tab);
    void disposeFormData();

    void tell(const std::string& report, const char* caption);
    void reload();

    CBunrakoView& m_view;
    DocumentData& m_document;
    DesktopPorts m_ports;
};

}  // namespace bunrako
