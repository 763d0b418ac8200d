#pragma once

class QWidget;

namespace bunrako {

class DocumentData;
struct DesktopPorts;

// The two tools of the catalogue subsystem in the tools menu.
class ToolCommands {
  public:
    // ファイル等の検索 below the folder of the volume file.
    static void searchFiles(QWidget* parent, const DesktopPorts& ports, DocumentData& document);
    // 登録帳票 of the shared settings folder.
    static void registeredForms(QWidget* parent, const DesktopPorts& ports, DocumentData& document);
};

}  // namespace bunrako
