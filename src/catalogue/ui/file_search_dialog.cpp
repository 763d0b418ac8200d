#include "catalogue/ui/file_search_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "catalogue/texts.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"

namespace bunrako {
namespace {

using namespace catalogue::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The search thread cannot ask the clerk anything: a catalogue it cannot
// read is passed over, as unreadable folders are.
class PassOverPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::no;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

}  // namespace

CDlgToolFileKensaku::CDlgToolFileKensaku(FileSearchForm& form, Shell& shell, Prompt& prompt,
                                         const Clock& clock, QWidget* parent)
    : QDialog(parent), m_form(form), m_shell(shell), m_prompt(prompt), m_clock(clock) {
    setWindowTitle(text(kSearchCaption));
    m_fileMode = new QRadioButton(text(kSearchModeFiles), this);
    m_catalogueMode = new QRadioButton(text(kSearchModeCatalogues), this);
    m_allFiles = new QCheckBox(text(kSearchAllFiles), this);
    m_documentFiles = new QCheckBox(text(kSearchDocumentFiles), this);
    m_spreadsheetFiles = new QCheckBox(text(kSearchSpreadsheetFiles), this);
    m_text = new QLineEdit(this);
    auto* root = new QLineEdit(toQString(pathToUtf8(form.Root())), this);
    root->setReadOnly(true);
    m_start = new QPushButton(text(kSearchStart), this);
    m_start->setDefault(true);
    auto* back = new QPushButton(text(kSearchBack), this);
    back->setAutoDefault(false);
    m_results = new QTableWidget(0, 2, this);
    m_results->setAccessibleName(text(kSearchResults));
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setShowGrid(true);
    m_results->verticalHeader()->hide();
    m_results->setColumnWidth(0, 200);
    m_results->horizontalHeader()->setStretchLastSection(true);
    m_status = new QLabel(this);
    m_busy = new QProgressBar(this);
    m_busy->setRange(0, 0);  // a search has no known end: a moving bar
    m_busy->setVisible(false);
    InputMethodSwitcher::attachJapanese({m_text});

    auto* grid = new QGridLayout;
    grid->addWidget(m_fileMode, 0, 0);
    grid->addWidget(m_allFiles, 0, 1);
    grid->addWidget(m_documentFiles, 0, 2);
    grid->addWidget(m_spreadsheetFiles, 0, 3);
    grid->addWidget(m_catalogueMode, 1, 0);
    grid->addWidget(fieldLabel(text(kSearchText), m_text, this), 2, 0);
    grid->addWidget(m_text, 2, 1, 1, 3);
    grid->addWidget(fieldLabel(text(kSearchRoot), root, this), 3, 0);
    grid->addWidget(root, 3, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_busy, 1);
    buttons->addWidget(m_status, 1);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(m_results, 1);
    resize(900, 560);

    const FileSearchCriteria& criteria = form.Criteria();
    (criteria.mode == FileSearchCriteria::catalogues ? m_catalogueMode : m_fileMode)
        ->setChecked(true);
    m_allFiles->setChecked(criteria.allFiles);
    m_documentFiles->setChecked(criteria.documentFiles);
    m_spreadsheetFiles->setChecked(criteria.spreadsheetFiles);
    m_text->setText(toQString(criteria.text));
    showEnabling();
    showHeaders();

    connect(m_catalogueMode, &QRadioButton::toggled, this, [this](bool on) {
        m_form.Criteria().mode = on ? FileSearchCriteria::catalogues : FileSearchCriteria::files;
        showEnabling();
    });
    connect(m_allFiles, &QCheckBox::toggled, this, [this](bool on) {
        m_form.Criteria().allFiles = on;
        showEnabling();
    });
    connect(m_documentFiles, &QCheckBox::toggled, this,
            [this](bool on) { m_form.Criteria().documentFiles = on; });
    connect(m_spreadsheetFiles, &QCheckBox::toggled, this,
            [this](bool on) { m_form.Criteria().spreadsheetFiles = on; });
    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& value) { m_form.Criteria().text = toStdString(value); });
    connect(m_start, &QPushButton::clicked, this, &CDlgToolFileKensaku::startOrStop);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_results->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_form.ClickHeader(column);
        showHeaders();
        showRows();
    });
    connect(m_results, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { openRow(row, false); });
    m_results->installEventFilter(this);
    m_results->viewport()->installEventFilter(this);
    m_text->setFocus();
}

CDlgToolFileKensaku::~CDlgToolFileKensaku() { stopSearch(); }

void CDlgToolFileKensaku::showEnabling() {
    const bool files = m_form.Criteria().mode == FileSearchCriteria::files;
    m_allFiles->setEnabled(files);
    m_documentFiles->setEnabled(files && m_form.KindChecksEnabled());
    m_spreadsheetFiles->setEnabled(files && m_form.KindChecksEnabled());
}

void CDlgToolFileKensaku::showHeaders() {
    m_results->setHorizontalHeaderLabels(
        {toQString(m_form.HeaderText(FileSearchSort::kNameColumn)),
         toQString(m_form.HeaderText(FileSearchSort::kFolderColumn))});
}

void CDlgToolFileKensaku::showRows() {
    const std::vector<FileSearchRow>& rows = m_form.Rows();
    m_results->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const FileSearchRow& found = rows[static_cast<size_t>(row)];
        m_results->setItem(row, 0, new QTableWidgetItem(toQString(found.name)));
        m_results->setItem(row, 1, new QTableWidgetItem(toQString(found.folder)));
    }
}

void CDlgToolFileKensaku::startOrStop() {
    if (isSearching()) {
        m_stop = true;
        return;
    }
    startSearch();
}

void CDlgToolFileKensaku::startSearch() {
    stopSearch();
    m_form.Start();
    showHeaders();
    showRows();
    m_stop = false;
    m_finished = false;
    m_start->setText(text(kSearchStop));
    m_busy->setVisible(true);
    m_status->setText(text(kSearchRunning).arg(0));
    const FileSearchCriteria criteria = m_form.Criteria();
    const std::filesystem::path root = m_form.Root();
    m_worker = std::thread([this, criteria, root] {
        PassOverPrompt quiet;
        const bool completed = SearchFilesInSteps(
            root, criteria, quiet, m_clock,
            [this](std::vector<FileSearchRow> rows) {
                QMetaObject::invokeMethod(
                    this, [this, found = std::move(rows)]() mutable { addRows(std::move(found)); },
                    Qt::QueuedConnection);
            },
            m_stop);
        QMetaObject::invokeMethod(
            this, [this, completed] { finishSearch(completed); }, Qt::QueuedConnection);
    });
}

void CDlgToolFileKensaku::stopSearch() {
    m_stop = true;
    if (m_worker.joinable()) m_worker.join();
}

void CDlgToolFileKensaku::addRows(std::vector<FileSearchRow> rows) {
    m_form.AddRows(std::move(rows));
    showRows();
    m_status->setText(text(kSearchRunning).arg(m_form.Rows().size()));
}

void CDlgToolFileKensaku::finishSearch(bool completed) {
    if (m_worker.joinable()) m_worker.join();
    m_finished = true;
    m_start->setText(text(kSearchStart));
    m_busy->setVisible(false);
    const auto found = static_cast<qulonglong>(m_form.Rows().size());
    m_status->setText(text(completed ? kSearchDone : kSearchStopped).arg(found));
    emit searchFinished();
}

void CDlgToolFileKensaku::openRow(int row, bool folder) {
    if (row < 0) return;
    const auto index = static_cast<size_t>(row);
    const std::filesystem::path path =
        folder ? m_form.FolderToOpen(index) : m_form.PathToOpen(index);
    if (path.empty()) return;
    CMyTool::RunProgram(m_shell, m_prompt, pathToUtf8(path), RunMode::open, {});
}

bool CDlgToolFileKensaku::eventFilter(QObject* watched, QEvent* event) {
    // Enter opens the row (Ctrl+Enter its folder) and is kept from 検索開始;
    // a right double click opens the row's folder.
    if (watched == m_results && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            openRow(m_results->currentRow(), key->modifiers() & Qt::ControlModifier);
            return true;
        }
    }
    if (watched == m_results->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            openRow(m_results->rowAt(mouse->position().toPoint().y()), true);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgToolFileKensaku::reject() {
    stopSearch();
    QDialog::reject();
}

}  // namespace bunrako
