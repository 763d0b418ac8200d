#pragma once

#include "office/ui/desktop_ports.h"

class QWidget;

namespace bunrako {

class BunshoKenMeiboForm;
class DocumentData;

// The 起案 buttons of the entry dialog: the draft file of the entry's volume
// is opened when it exists, else made through the draft dialog.
class RegisterDrafts {
  public:
    RegisterDrafts(const DesktopPorts& ports, DocumentData& document, BunshoKenMeiboForm& form,
                   QWidget* parent);

    // True when a draft was opened or made: the entry is then stored and the
    // entry dialog closes.
    bool run(int draftNumber);

  private:
    DesktopPorts m_ports;
    DocumentData& m_document;
    BunshoKenMeiboForm& m_form;
    QWidget* m_parent;
};

}  // namespace bunrako
