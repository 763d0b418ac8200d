#pragma once

#include <QObject>
#include <vector>

#include "office/ui/command_id.h"
#include "office/ui/desktop_ports.h"
#include "office/ui/register_tab.h"
#include "volumes/doc_master_data.h"

namespace bunrako {

class CBunrakoView;
class DocumentData;

// The year-end commands of the volume tabs: the fiscal-year switch, the
// bulk import, the data linkage of the three volume tabs and the title
// printing. Each ends with a message saying what was done and leaves the
// view reloaded; the refill keeps the selection of the rows that still
// exist.
class YearEndCommands : public QObject {
    Q_OBJECT
  public:
    YearEndCommands(CBunrakoView& view, DocumentData& document, const DesktopPorts& ports);

    // Runs the command when it is one of these; false otherwise.
    bool run(CommandId id);

  private:
    void switchYear();
    void importVolumes();
    void link(RegisterTab tab);
    void printTitles();

    std::vector<CDocMasterData> displayedVolumes(RegisterTab tab) const;
    std::vector<int> selectionMask(RegisterTab tab) const;
    std::vector<CDocMasterData> selectedVolumes(RegisterTab tab) const;
    void reload(RegisterTab tab);

    CBunrakoView& m_view;
    DocumentData& m_document;
    DesktopPorts m_ports;
};

}  // namespace bunrako
