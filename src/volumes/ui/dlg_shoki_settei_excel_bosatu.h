#pragma once

#include <QDialog>
#include <filesystem>

#include "common/ole_date_time.h"
#include "volumes/excel_bosatu_form.h"
#include "volumes/excel_bosatu_import.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace bunrako {

class CSetteiKoumokuList;
class FileBrowser;
class Prompt;
class Shell;

// The bulk import dialog (簿冊データ簡易登録): the spreadsheet path with 参照,
// opening the spreadsheet, a blank form of this program's own, and the
// three steps (read the CSV, convert, store in the volume file) one button
// each, with the dialog's progress bar and a line under each step saying
// what it did and where its error list is. OK remembers the path.
class CDlgShokiSetteiExcelBosatu : public QDialog {
    Q_OBJECT
  public:
    struct Setup {
        // Where the path is remembered.
        std::filesystem::path programFolder;
        // The volume file that receives the volumes.
        std::filesystem::path volumeFile;
        int calendarMode = 0;
        int periodType = 0;
        OleDateTime today;
        ExcelBosatuFormExample example;
    };
    struct Masters {
        const CSetteiKoumokuList& department;
        const CSetteiKoumokuList& classification;
        const CSetteiKoumokuList& retention;
    };
    struct Ports {
        Prompt& prompt;
        Shell& shell;
        FileBrowser& fileBrowser;
    };

    CDlgShokiSetteiExcelBosatu(Setup setup, Masters masters, Ports ports,
                               QWidget* parent = nullptr);

    ExcelBosatuForm& form() { return m_form; }
    // Whether volumes were stored (the volume list is to be reloaded).
    bool stored() const { return m_stored; }

  public slots:
    void accept() override;

  private:
    void build();
    QPushButton* button(const char* caption, const char* objectName);
    QLabel* stepLabel(const char* caption);
    QLabel* statusLabel(const char* objectName);
    void readPath();
    void applyEnabling();
    void setBusy(bool busy);
    void browse();
    void openSpreadsheet();
    void makeBlankForm();
    void readCsv();
    void convert();
    void store();
    static QString errorListText(const CExcelBosatuImport::StepReport& report);

    Setup m_setup;
    Ports m_ports;
    ExcelBosatuForm m_form;
    CExcelBosatuImport m_import;
    bool m_stored = false;

    QLineEdit* m_path = nullptr;
    QLabel* m_csv = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_blankForm = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_convert = nullptr;
    QPushButton* m_store = nullptr;
    QLabel* m_readStatus = nullptr;
    QLabel* m_convertStatus = nullptr;
    QLabel* m_storeStatus = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace bunrako
