#pragma once

#include <string>

namespace bunrako {

class CSetteiKoumokuList;
class CShokiSetteiData;
class FileBrowser;
class Prompt;
class Shell;
struct CDocMasterData;
struct CKanrenFileData;

// The outside tools of the main window: the personal folder, general
// documents (一般文書) in the word processor or the spreadsheet, and the
// file manager on a volume's folder. Each does nothing while its setting is
// off. Paths handed to the outside programs are quoted, so that folders with
// spaces arrive whole.
class DesktopTools {
  public:
    enum class DocumentKind { wordProcessor, spreadsheet };

    DesktopTools(Prompt& prompt, Shell& shell, FileBrowser& browser)
        : m_prompt(prompt), m_shell(shell), m_browser(browser) {}

    // 個人フォルダ: the file manager on the personal folder.
    void OpenPersonalFolder(const CShokiSetteiData& settings);

    // ワープロ / 表計算: lets the clerk choose a document, proposing 一般文書
    // in the selected volume's folder (or beside the volume file without
    // one); an existing file is opened, a new one is made from the data
    // folder's 一般文書 template and opened in the program.
    void OpenGeneralDocument(const CShokiSetteiData& settings, const std::string& dataFolder,
                             DocumentKind kind, const CDocMasterData* volume);

    // ファイル管理: the file manager on the volume's classification folder,
    // named as the classification master names it today, or on the folder
    // of the volume file without a volume.
    void OpenFileManager(const CShokiSetteiData& settings, const CDocMasterData* volume,
                         const CSetteiKoumokuList& classifications);

    // A related file (関連ファイル) opened with the desktop's association.
    void OpenRelatedFile(const CKanrenFileData& file);
    // The file manager on a related file's folder.
    void OpenRelatedFileFolder(const CShokiSetteiData& settings, const CKanrenFileData& file);

    // The proposed general document: 一般文書.<ext> in the volume's title
    // folder, or beside the volume file.
    static std::string ProposedDocument(const CShokiSetteiData& settings, DocumentKind kind,
                                        const CDocMasterData* volume);
    // The folder the file manager opens, with its trailing separator.
    static std::string FileManagerFolder(const CShokiSetteiData& settings,
                                         const CDocMasterData* volume,
                                         const CSetteiKoumokuList& classifications);

  private:
    void openOrCreate(const CShokiSetteiData& settings, const std::string& dataFolder,
                      DocumentKind kind, std::string chosen);

    Prompt& m_prompt;
    Shell& m_shell;
    FileBrowser& m_browser;
};

}  // namespace bunrako
