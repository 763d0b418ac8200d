#pragma once

#include <QDialog>
#include <atomic>
#include <thread>
#include <vector>

#include "catalogue/file_search_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace bunrako {

class Clock;
class Prompt;
class Shell;

// ファイル等の検索: files by name and kind, or index catalogue entries by
// subject, below the data folder. The search runs on a thread of its own:
// rows appear while it goes on, and 中止 (the start button while searching)
// or closing the dialog stops it.
class CDlgToolFileKensaku : public QDialog {
    Q_OBJECT
  public:
    CDlgToolFileKensaku(FileSearchForm& form, Shell& shell, Prompt& prompt, const Clock& clock,
                        QWidget* parent = nullptr);
    ~CDlgToolFileKensaku() override;

    bool isSearching() const { return m_worker.joinable() && !m_finished; }
    QTableWidget* results() const { return m_results; }
    QPushButton* startButton() const { return m_start; }
    QLineEdit* textEdit() const { return m_text; }
    QRadioButton* catalogueMode() const { return m_catalogueMode; }
    QCheckBox* allFiles() const { return m_allFiles; }
    QLabel* statusLine() const { return m_status; }

  signals:
    void searchFinished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    void startOrStop();
    void startSearch();
    void stopSearch();
    void addRows(std::vector<FileSearchRow> rows);
    void finishSearch(bool completed);
    void showRows();
    void showHeaders();
    void showEnabling();
    void openRow(int row, bool folder);

    FileSearchForm& m_form;
    Shell& m_shell;
    Prompt& m_prompt;
    const Clock& m_clock;
    QRadioButton* m_fileMode;
    QRadioButton* m_catalogueMode;
    QCheckBox* m_allFiles;
    QCheckBox* m_documentFiles;
    QCheckBox* m_spreadsheetFiles;
    QLineEdit* m_text;
    QTableWidget* m_results;
    QPushButton* m_start;
    QLabel* m_status;
    QProgressBar* m_busy;
    std::thread m_worker;
    std::atomic<bool> m_stop{false};
    bool m_finished = true;
};

}  // namespace bunrako
