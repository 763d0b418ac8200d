#pragma once

class QWidget;

namespace bunrako {

class CKanrenFile;
struct CKanrenFileData;
struct DesktopPorts;

// 登録, 変更 and 削除 of the related-files tab, on the list of the document
// chosen in the 索引目録 or 文書件名簿 tab. Each returns true when the list
// changed (the tab is then refilled).
class RelatedFileCommands {
  public:
    static bool add(QWidget* parent, const DesktopPorts& ports, CKanrenFile& list);
    static bool change(QWidget* parent, const DesktopPorts& ports, CKanrenFile& list,
                       const CKanrenFileData& chosen);
    static bool remove(const DesktopPorts& ports, CKanrenFile& list, const CKanrenFileData& chosen);

  private:
    // The dialog until the record is stored or the clerk cancels: a list
    // that cannot be written is named and the dialog comes back with what
    // was typed.
    static bool edit(QWidget* parent, const DesktopPorts& ports, CKanrenFile& list,
                     const CKanrenFileData& record);
};

}  // namespace bunrako
