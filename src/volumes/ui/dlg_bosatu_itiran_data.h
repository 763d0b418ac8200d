#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "volumes/doc_master_data.h"
#include "volumes/volume_entry_form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bunrako {

class Prompt;
class YearInputEdit;

// The volume entry dialog (簿冊一覧データ): one volume entered, changed or
// confirmed for deletion. The rules are the form's; the dialog moves values
// between the widgets and the form. On 追加/変更/削除 the values are checked,
// gathered into a copy of the record and handed to the store; the dialog
// closes only when the store succeeded, so that a volume that could not be
// stored leaves everything the clerk typed on screen.
class CDlgBosatuItiranData : public QDialog {
    Q_OBJECT
  public:
    // Stores the gathered record (with 変更前データを削除する); false keeps
    // the dialog open.
    using Store = std::function<bool(const CDocMasterData& record, bool removeBefore)>;

    CDlgBosatuItiranData(const CDocMasterData& record, const VolumeChoices& choices,
                         VolumeEntryMode mode, bool western, int periodType, Prompt& prompt,
                         Store store, QWidget* parent = nullptr);

    // The record as stored on OK.
    const CDocMasterData& record() const { return m_record; }
    bool removeBefore() const { return m_form.values().removeBefore; }
    VolumeEntryForm& form() { return m_form; }

  public slots:
    void accept() override;

  private:
    void build();
    QWidget* buildReviewGroup();
    QComboBox* comboBox(const char* name, const char* objectName);
    QLineEdit* numberEdit(int digits, const char* name, const char* objectName);
    YearInputEdit* yearEdit(bool withMonth, const char* name, const char* objectName);
    void connectRules();

    void showValues();
    void readValues();
    void applyEnabling();
    void lockValues();
    // The control that holds a field (a year input's first part).
    QWidget* widgetOf(VolumeEntryField field) const;
    void showWarnings(const std::vector<std::string>& warnings);
    void refill(QComboBox* combo, const std::vector<std::string>& names, const std::string& chosen);

    void onRetentionTypeChosen(int index);
    void onRetentionTypeLeft();
    void onReview();
    void confirmRemoval();
    void onDependentChoice();

    bool eventFilter(QObject* watched, QEvent* event) override;

    CDocMasterData m_record;
    VolumeEntryForm m_form;
    bool m_western;
    Prompt& m_prompt;
    Store m_store;
    bool m_showing = false;
    bool m_warning = false;

    QLabel* m_modeMark = nullptr;
    QComboBox* m_department = nullptr;
    QComboBox* m_section = nullptr;
    YearInputEdit* m_creation = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_books = nullptr;
    QComboBox* m_major = nullptr;
    QComboBox* m_middle = nullptr;
    QComboBox* m_minor = nullptr;
    YearInputEdit* m_filingFrom = nullptr;
    YearInputEdit* m_filingTo = nullptr;
    QComboBox* m_retentionType = nullptr;
    QLineEdit* m_retentionYears = nullptr;
    YearInputEdit* m_expiry = nullptr;
    QCheckBox* m_dailyUse = nullptr;
    QCheckBox* m_contents = nullptr;
    QCheckBox* m_disposed = nullptr;
    YearInputEdit* m_disposal = nullptr;
    QGroupBox* m_reviewGroup = nullptr;
    std::array<YearInputEdit*, 3> m_reviewTimes{};
    std::array<QCheckBox*, 3> m_reviewDone{};
    std::array<QLineEdit*, 3> m_reviewYears{};
    QPushButton* m_reviewButton = nullptr;
    QCheckBox* m_removeBefore = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace bunrako
