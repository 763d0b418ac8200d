#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "office/register_rows.h"
#include "office/ui/register_tab.h"
#include "settings/calendar_mode.h"

namespace bunrako {

class CBunrakoView;
class DocumentData;

// The volume register a volume tab of the view shows.
VolumeTab volumeTabOf(RegisterTab tab);

// The list fillers of the registers: each puts its register's own model
// under the tab's list and, whenever the tab is shown or its data changed,
// re-reads the register's file, keeps what passes the tab's extraction
// criteria, refills the list and sets the caption. Rows hold copies of the
// records; their cell texts are made only for the rows on screen.
//
// A refill keeps the clerk's selection: the rows of the same records are
// selected again, so that switching to the index catalogue and back leaves
// the chosen volumes chosen.
class ListFillers : public QObject {
    Q_OBJECT
  public:
    // Installs the models and refreshers of the registers in the view.
    ListFillers(CBunrakoView& view, DocumentData& document);

    // The volume whose index catalogue the 索引目録 tab shows, if any.
    const CDocMasterData* catalogueVolume() const;
    // The related file selected in the 関連ファイル tab, if any.
    const CKanrenFileData* selectedRelatedFile() const;
    // Empties the 索引目録 or 関連ファイル tab and forgets its volume or
    // document (a switch to it without the selection it needs).
    void clearCatalogue();
    void clearRelatedFiles();

  private:
    template <class Record>
    void install(RegisterTab tab, std::function<std::string(const Record&, int)> cellText,
                 std::function<void()> refill);
    template <class Record, class KeyOf>
    void show(RegisterTab tab, RegisterRows<Record> rows, KeyOf keyOf);
    template <class Record, class Refill, class KeyOf>
    void showRefilled(RegisterTab tab, Refill refill, KeyOf keyOf);

    void refillVolumeTab(RegisterTab tab);
    void refillChangeFormTab();
    void refillRegisterTab();
    void refillCatalogueTab();
    void refillRelatedFileTab();

    CBunrakoView& m_view;
    DocumentData& m_document;
    // The calendar the rows on screen were filled with; their cells are
    // made later, as they scroll into view.
    std::shared_ptr<CalendarMode> m_calendar;
    std::optional<CDocMasterData> m_catalogueVolume;
};

}  // namespace bunrako
