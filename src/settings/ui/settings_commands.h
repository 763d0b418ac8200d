#pragma once

class QWidget;

namespace bunrako {

class CBunrakoDoc;
class CSetteiKoumokuList;
class FileBrowser;
class Prompt;
enum class MasterKind;

// The commands of the settings menu, each on the document of the program.
class SettingsCommands {
  public:
    SettingsCommands(CBunrakoDoc& document, Prompt& prompt, FileBrowser& browser, QWidget* parent);

    // 課室局等, 簿冊分類, 保存年限: the item editor, then the master saved.
    // A master that will not save sends the administrator back to the
    // editor with the edits, or drops them when asked to.
    void editMaster(MasterKind kind);
    // 初期設定: the settings dialog; on OK the settings are saved and every
    // file of the confirmed section loaded again.
    bool editInitialSettings();
    // 課係切替: another section with settings, for this run only.
    void switchSection();
    // The first start on a data folder without settings: says so once, lets
    // the administrator enter the sections first when the department master
    // is empty, and opens the settings dialog.
    void startWithoutSettings();

  private:
    CSetteiKoumokuList& master(MasterKind kind);

    CBunrakoDoc& m_document;
    Prompt& m_prompt;
    FileBrowser& m_browser;
    QWidget* m_parent;
};

}  // namespace bunrako
