#include "volumes/ui/dlg_shoki_settei_excel_bosatu.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/ui/field_label.h"
#include "office/ui/qt_text.h"
#include "office/ui/wait_cursor.h"
#include "volumes/excel_bosatu_path_file.h"
#include "volumes/texts.h"
#include "volumes/ui/texts.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;
namespace vtexts = volumes::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString nativePath(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(toQString(pathToUtf8(path)));
}

}  // namespace

CDlgShokiSetteiExcelBosatu::CDlgShokiSetteiExcelBosatu(Setup setup, Masters masters, Ports ports,
                                                       QWidget* parent)
    : QDialog(parent),
      m_setup(std::move(setup)),
      m_ports(ports),
      m_form(ReadExcelBosatuPath(m_setup.programFolder)),
      m_import(m_setup.calendarMode, m_setup.periodType, masters.department, masters.classification,
               masters.retention) {
    setWindowTitle(text(vtexts::kImportCaption));
    m_import.SetProgress([this](int percent) {
        m_progress->setValue(percent);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    build();
    m_path->setText(toQString(m_form.path()));
    readPath();
}

QPushButton* CDlgShokiSetteiExcelBosatu::button(const char* caption, const char* objectName) {
    auto* pushButton = new QPushButton(text(caption), this);
    pushButton->setObjectName(QString::fromLatin1(objectName));
    pushButton->setAutoDefault(false);
    return pushButton;
}

QLabel* CDlgShokiSetteiExcelBosatu::stepLabel(const char* caption) {
    // One line each: wrapped labels in a grid are given too little height
    // and lose their last line.
    return new QLabel(text(caption), this);
}

QLabel* CDlgShokiSetteiExcelBosatu::statusLabel(const char* objectName) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

void CDlgShokiSetteiExcelBosatu::build() {
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("spreadsheet"));
    m_path->setMinimumWidth(m_path->fontMetrics().horizontalAdvance(QChar(0x3042)) * 32);
    m_csv = new QLabel(this);
    m_csv->setObjectName(QStringLiteral("csv"));
    m_csv->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_browse = button(uitexts::kBrowse, "browse");
    m_open = button(uitexts::kImportOpen, "openSpreadsheet");
    m_blankForm = button(uitexts::kImportBlankForm, "blankForm");
    m_read = button(uitexts::kImportRead, "read");
    m_convert = button(uitexts::kImportConvert, "convert");
    m_store = button(uitexts::kImportStore, "store");
    m_readStatus = statusLabel("readStatus");
    m_convertStatus = statusLabel("convertStatus");
    m_storeStatus = statusLabel("storeStatus");

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(fieldLabel(text(uitexts::kImportFile), m_path, this));
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_browse);
    auto* spreadsheetRow = new QHBoxLayout;
    spreadsheetRow->addWidget(m_open);
    spreadsheetRow->addWidget(m_blankForm);
    spreadsheetRow->addStretch(1);
    spreadsheetRow->addWidget(m_read);

    auto* steps = new QGridLayout;
    int row = 0;
    steps->addWidget(stepLabel(uitexts::kImportStep1), row++, 0, 1, 2);
    steps->addLayout(pathRow, row++, 0, 1, 2);
    steps->addWidget(m_csv, row++, 0, 1, 2);
    steps->addLayout(spreadsheetRow, row++, 0, 1, 2);
    steps->addWidget(m_readStatus, row++, 0, 1, 2);
    steps->addWidget(stepLabel(uitexts::kImportStep2), row, 0);
    steps->addWidget(m_convert, row++, 1);
    steps->addWidget(m_convertStatus, row++, 0, 1, 2);
    steps->addWidget(stepLabel(uitexts::kImportStep3), row, 0);
    steps->addWidget(m_store, row++, 1);
    steps->addWidget(m_storeStatus, row++, 0, 1, 2);
    steps->setColumnStretch(0, 1);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(text(uitexts::kProgressName));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    m_ok = new QPushButton(text(uitexts::kOk), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = button(uitexts::kCancel, "cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepLabel(uitexts::kImportExplanation));
    layout->addLayout(steps);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    // The tab order follows the layout: path, 参照, the spreadsheet
    // buttons, then the steps in order.
    setTabOrder(m_path, m_browse);
    setTabOrder(m_browse, m_open);
    setTabOrder(m_open, m_blankForm);
    setTabOrder(m_blankForm, m_read);
    setTabOrder(m_read, m_convert);
    setTabOrder(m_convert, m_store);
    setTabOrder(m_store, m_ok);
    setTabOrder(m_ok, m_cancel);

    connect(m_path, &QLineEdit::textEdited, this, &CDlgShokiSetteiExcelBosatu::readPath);
    connect(m_browse, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::browse);
    connect(m_open, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::openSpreadsheet);
    connect(m_blankForm, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::makeBlankForm);
    connect(m_read, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::readCsv);
    connect(m_convert, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::convert);
    connect(m_store, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::store);
    connect(m_ok, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgShokiSetteiExcelBosatu::reject);
}

void CDlgShokiSetteiExcelBosatu::readPath() {
    const std::string path = toStdString(QDir::toNativeSeparators(m_path->text().trimmed()));
    if (path != m_form.path()) {
        m_readStatus->clear();
        m_convertStatus->clear();
        m_storeStatus->clear();
        m_progress->setValue(0);
    }
    m_form.setPath(path);
    m_csv->setText(text(uitexts::kImportCsvLine).arg(nativePath(m_form.csvPath())));
    applyEnabling();
}

void CDlgShokiSetteiExcelBosatu::applyEnabling() {
    m_convert->setEnabled(m_form.canRun(ExcelBosatuForm::Step::convert));
    m_store->setEnabled(m_form.canRun(ExcelBosatuForm::Step::store));
}

void CDlgShokiSetteiExcelBosatu::setBusy(bool busy) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_path, m_browse, m_open, m_blankForm, m_read, m_convert, m_store, m_ok, m_cancel}) {
        widget->setEnabled(!busy);
    }
    if (!busy) applyEnabling();
}

void CDlgShokiSetteiExcelBosatu::browse() {
    readPath();
    const QFileInfo current(QDir::fromNativeSeparators(toQString(m_form.path())));
    const std::string chosen = m_ports.fileBrowser.browse(
        toStdString(QDir::toNativeSeparators(current.absolutePath())),
        toStdString(current.fileName()), {}, ExcelBosatuForm::fileFilter(), true);
    if (!chosen.empty()) {
        m_path->setText(toQString(chosen));
        readPath();
    }
    m_path->setFocus();
}

void CDlgShokiSetteiExcelBosatu::openSpreadsheet() {
    readPath();
    if (const auto problem = m_form.validateOpen()) {
        m_ports.prompt.showMessage(*problem, vtexts::kImportCaption, MessageIcon::warning);
        return;
    }
    CMyTool::RunProgram(m_ports.shell, m_ports.prompt, m_form.path(), RunMode::open, {});
}

void CDlgShokiSetteiExcelBosatu::makeBlankForm() {
    readPath();
    const std::filesystem::path file = m_form.blankFormPath();
    const std::string name = pathToUtf8(file);
    std::error_code error;
    if (std::filesystem::exists(file, error) &&
        m_ports.prompt.ask(formatPrintf(vtexts::kBlankFormReplace, name.c_str()),
                           vtexts::kImportCaption, Buttons::yesNo) != Answer::yes) {
        return;
    }
    const std::string bytes = ExcelBosatuBlankFormBytes(m_setup.calendarMode, m_setup.periodType,
                                                        m_setup.today, m_setup.example);
    if (!WriteExcelBosatuBlankForm(m_ports.prompt, file, bytes)) return;
    m_path->setText(nativePath(file));
    readPath();
    m_ports.prompt.showMessage(formatPrintf(vtexts::kBlankFormWritten, name.c_str()),
                               vtexts::kImportCaption, MessageIcon::information);
    CMyTool::RunProgram(m_ports.shell, m_ports.prompt, name, RunMode::open, {});
}

QString CDlgShokiSetteiExcelBosatu::errorListText(const CExcelBosatuImport::StepReport& report) {
    return report.errorList.empty() ? text(uitexts::kImportNoErrorList)
                                    : nativePath(report.errorList);
}

void CDlgShokiSetteiExcelBosatu::readCsv() {
    readPath();
    if (const auto problem = m_form.validateRead()) {
        m_ports.prompt.showMessage(*problem, vtexts::kImportCaption, MessageIcon::warning);
        m_path->setFocus();
        return;
    }
    CExcelBosatuImport::StepReport report;
    {
        const WaitCursor wait;
        setBusy(true);
        report = m_import.ReadCsv(m_ports.prompt, m_form.csvPath());
        m_form.stepDone(ExcelBosatuForm::Step::read, report.done, report.count);
        setBusy(false);
    }
    m_convertStatus->clear();
    m_storeStatus->clear();
    m_readStatus->setText(
        report.done ? text(uitexts::kImportReadDone).arg(report.count).arg(errorListText(report))
                    : text(uitexts::kImportStepFailed));
    CExcelBosatuImport::ShowReadReport(m_ports.prompt, m_ports.shell, report);
    if (m_convert->isEnabled()) m_convert->setFocus();
}

void CDlgShokiSetteiExcelBosatu::convert() {
    if (!m_form.canRun(ExcelBosatuForm::Step::convert)) return;
    CExcelBosatuImport::StepReport report;
    {
        const WaitCursor wait;
        setBusy(true);
        report = m_import.Convert(m_ports.prompt);
        m_form.stepDone(ExcelBosatuForm::Step::convert, report.done, report.count);
        setBusy(false);
    }
    m_storeStatus->clear();
    m_convertStatus->setText(
        report.done ? text(uitexts::kImportConvertDone).arg(report.count).arg(errorListText(report))
                    : text(uitexts::kImportStepFailed));
    CExcelBosatuImport::ShowConvertReport(m_ports.prompt, m_ports.shell, report);
    if (m_store->isEnabled()) m_store->setFocus();
}

void CDlgShokiSetteiExcelBosatu::store() {
    if (!m_form.canRun(ExcelBosatuForm::Step::store)) return;
    CExcelBosatuImport::ShowStoreNotice(m_ports.prompt);
    CExcelBosatuImport::StepReport report;
    {
        const WaitCursor wait;
        setBusy(true);
        report = m_import.Store(m_ports.prompt, m_setup.volumeFile);
        m_form.stepDone(ExcelBosatuForm::Step::store, report.done, report.count);
        setBusy(false);
    }
    m_stored = m_stored || report.done;
    m_storeStatus->setText(
        report.done
            ? text(uitexts::kImportStoreDone).arg(report.count).arg(nativePath(m_setup.volumeFile))
            : text(uitexts::kImportStepFailed));
    CExcelBosatuImport::ShowStoreReport(m_ports.prompt, report);
    m_ok->setFocus();
}

void CDlgShokiSetteiExcelBosatu::accept() {
    readPath();
    // The path is remembered for the next run; a folder that cannot take
    // it has been told and does not keep the dialog open.
    WriteExcelBosatuPath(m_ports.prompt, m_setup.programFolder, m_form.path());
    QDialog::accept();
}

}  // namespace bunrako
