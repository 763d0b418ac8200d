#include "catalogue/ui/touroku_tyouhyou_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "catalogue/texts.h"
#include "common/my_tool.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"

namespace bunrako {
namespace {

using namespace catalogue::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* button(const char* caption, QWidget* parent) {
    auto* pushButton = new QPushButton(text(caption), parent);
    pushButton->setAutoDefault(false);
    return pushButton;
}

}  // namespace

CDlgTourokuTyouhyou::CDlgTourokuTyouhyou(TourokuTyouhyouForm& form, Shell& shell, Prompt& prompt,
                                         FileBrowser& browser, QWidget* parent)
    : QDialog(parent), m_form(form), m_shell(shell), m_prompt(prompt), m_browser(browser) {
    setWindowTitle(text(kFormsCaption));
    m_list = new QListWidget(this);
    m_list->setAccessibleName(text(kFormsList));
    m_title = new QLineEdit(this);
    m_file = new QLineEdit(this);
    m_option = new QLineEdit(this);
    Cp932ByteValidator::limit(m_title, TourokuTyouhyouForm::kTitleBytes);
    Cp932ByteValidator::limit(m_file, TourokuTyouhyouForm::kFileBytes);
    Cp932ByteValidator::limit(m_option, TourokuTyouhyouForm::kOptionBytes);
    InputMethodSwitcher::attachJapanese({m_title});
    auto* browseFile = button(kFormsBrowse, this);
    auto* browseOption = button(kFormsBrowse, this);
    browseFile->setAccessibleName(text(kFormsBrowse) + shownCaption(text(kFormsFile)));
    browseOption->setAccessibleName(text(kFormsBrowse) + shownCaption(text(kFormsOption)));

    auto* modes = new QGroupBox(text(kFormsRunMode), this);
    auto* modeRow = new QHBoxLayout(modes);
    m_runModes = new QButtonGroup(modes);
    int id = 0;
    for (const char* caption : kFormsRunModes) {
        auto* radio = new QRadioButton(text(caption), modes);
        m_runModes->addButton(radio, id++);
        modeRow->addWidget(radio);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(fieldLabel(text(kFormsTitle), m_title, this), 0, 0);
    grid->addWidget(m_title, 0, 1, 1, 2);
    grid->addWidget(fieldLabel(text(kFormsFile), m_file, this), 1, 0);
    grid->addWidget(m_file, 1, 1);
    grid->addWidget(browseFile, 1, 2);
    grid->addWidget(fieldLabel(text(kFormsOption), m_option, this), 2, 0);
    grid->addWidget(m_option, 2, 1);
    grid->addWidget(browseOption, 2, 2);
    grid->addWidget(modes, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    m_register = button(kFormsRegister, this);
    m_delete = button(kFormsDelete, this);
    m_run = button(kFormsRun, this);
    m_run->setDefault(true);  // Enter runs the chosen form
    auto* back = button(kFormsBack, this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* pushButton : {m_register, m_delete, m_run}) buttons->addWidget(pushButton);
    buttons->addStretch();
    buttons->addWidget(back);
    m_status = new QLabel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(grid);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    resize(560, 460);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        m_form.Select(static_cast<size_t>(row));
        showRecord();
    });
    connect(m_title, &QLineEdit::textEdited, this,
            [this](const QString& value) { m_form.title = toStdString(value); });
    connect(m_file, &QLineEdit::textEdited, this,
            [this](const QString& value) { m_form.file = toStdString(value); });
    connect(m_option, &QLineEdit::textEdited, this,
            [this](const QString& value) { m_form.option = toStdString(value); });
    connect(m_runModes, &QButtonGroup::idToggled, this, [this](int mode, bool on) {
        if (on) m_form.runMode = mode;
    });
    connect(browseFile, &QPushButton::clicked, this, [this] { browse(m_file, kFormsFileFilter); });
    connect(browseOption, &QPushButton::clicked, this,
            [this] { browse(m_option, kFormsOptionFilter); });
    connect(m_register, &QPushButton::clicked, this, [this] {
        if (m_form.title.empty()) {
            m_status->setText(text(kFormsNoTitle));
            m_title->setFocus();
            return;
        }
        m_status->clear();
        if (m_form.Register()) showTitles();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        if (m_form.Remove()) showTitles();
    });
    connect(m_run, &QPushButton::clicked, this, [this] { m_form.Run(m_shell, m_prompt); });
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    showTitles();
    showRecord();
    m_list->setFocus();
}

void CDlgTourokuTyouhyou::showTitles() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const std::string& title : m_form.Titles()) m_list->addItem(toQString(title));
    const auto found = m_list->findItems(toQString(m_form.title), Qt::MatchExactly);
    if (!found.isEmpty()) m_list->setCurrentItem(found.front());
}

void CDlgTourokuTyouhyou::showRecord() {
    m_title->setText(toQString(m_form.title));
    m_file->setText(toQString(m_form.file));
    m_option->setText(toQString(m_form.option));
    if (QAbstractButton* mode = m_runModes->button(m_form.runMode)) mode->setChecked(true);
}

void CDlgTourokuTyouhyou::browse(QLineEdit* edit, const char* filter) {
    const std::string chosen =
        CMyTool::BrowseFile(m_browser, {}, toStdString(edit->text()), filter, true);
    if (chosen.empty()) return;
    edit->setText(toQString(chosen));
    (edit == m_file ? m_form.file : m_form.option) = chosen;
}

}  // namespace bunrako
