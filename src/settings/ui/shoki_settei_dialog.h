#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/shoki_settei_form.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace bunrako {

class FileBrowser;

// The settings of a section on six pages (全般, 文書件名簿, ワープロ,
// 表計算, ファイル管理, 個人) under the section and sub-section choice.
// Every edit goes straight into the form's working record; OK confirms
// through the form and then asks the saver to store the result. A failed
// save keeps the dialog open with everything typed.
class CDlgShokiSettei : public QDialog {
    Q_OBJECT
  public:
    CDlgShokiSettei(ShokiSetteiForm& form, FileBrowser& browser, QWidget* parent = nullptr);

    // Stores the confirmed settings; false keeps the dialog open.
    void setSaver(std::function<bool()> saver) { m_saver = std::move(saver); }

    QComboBox* sectionCombo() const { return m_section; }
    QComboBox* subsectionCombo() const { return m_subsection; }
    QTabWidget* pages() const { return m_pages; }
    QLabel* statusLine() const { return m_status; }
    QPushButton* okButton() const { return m_ok; }
    // The edit of a record field, by its accessible name.
    QLineEdit* edit(const QString& accessibleName) const;

  private:
    struct TextBinding {
        QLineEdit* edit;
        std::string CShokiSetteiData::*field;
    };
    struct FlagBinding {
        QCheckBox* check;
        int32_t CShokiSetteiData::*field;
    };
    struct ChoiceBinding {
        QButtonGroup* group;
        int32_t CShokiSetteiData::*field;
    };
    // The fields a "use" check box switches on and off.
    struct Dependents {
        QCheckBox* check;
        bool (ShokiSetteiForm::*enabled)() const;
        std::vector<QWidget*> widgets;
    };

    QWidget* buildSectionChoice();
    QWidget* generalPage();
    QWidget* registerPage();
    QWidget* wordProcessorPage();
    QWidget* spreadsheetPage();
    QWidget* fileManagerPage();
    QWidget* personalPage();

    QLineEdit* addText(QGridLayout* grid, int row, const char* label,
                       std::string CShokiSetteiData::*field, std::optional<SettingsBrowse> browse,
                       QWidget* page, std::vector<QWidget*>* dependents = nullptr);
    QCheckBox* addFlag(const char* label, int32_t CShokiSetteiData::*field, QWidget* page);
    QWidget* addChoice(const char* title, std::initializer_list<const char*> labels,
                       int32_t CShokiSetteiData::*field, QWidget* page);

    void fillSubsections();
    void showRecord();
    void showEnabling();
    void browse(SettingsBrowse target);
    void browsePersonalFolder();
    void confirm();

    ShokiSetteiForm& m_form;
    FileBrowser& m_browser;
    std::function<bool()> m_saver;
    QComboBox* m_section = nullptr;
    QComboBox* m_subsection = nullptr;
    QTabWidget* m_pages = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_ok = nullptr;
    std::vector<TextBinding> m_texts;
    std::vector<FlagBinding> m_flags;
    std::vector<ChoiceBinding> m_choices;
    std::vector<Dependents> m_dependents;
};

}  // namespace bunrako
