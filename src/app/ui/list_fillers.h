#pragma once

#include <QObject>
#include <memory>

#include "app/ui/register_tab.h"
#include "volumes/calendar_mode.h"

namespace bunrako {

class CBunrakoView;
class DocumentData;

// The list fillers of the registers: each puts its register's own model
// under the tab's list and, whenever the tab is shown or its data changed,
// re-reads the register's file, keeps what passes the tab's extraction
// criteria, refills the list and sets the caption. Rows hold copies of the
// records; their cell texts are made only for the rows on screen.
//
// A refill keeps the clerk's selection: the rows of the same volumes are
// selected again, so that switching to the index catalogue and back leaves
// the chosen volumes chosen.
class ListFillers : public QObject {
    Q_OBJECT
  public:
    // Installs the models and refreshers of the registers in the view.
    ListFillers(CBunrakoView& view, DocumentData& document);

  private:
    void installVolumeTab(RegisterTab tab);
    void installChangeFormTab();
    void refillVolumeTab(RegisterTab tab);
    void refillChangeFormTab();

    CBunrakoView& m_view;
    DocumentData& m_document;
    // The calendar the rows on screen were filled with; their cells are
    // made later, as they scroll into view.
    std::shared_ptr<CalendarMode> m_calendar;
};

}  // namespace bunrako
