#include "settings/ui/settei_koumoku_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

using namespace settings::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* button(const char* caption, QWidget* parent) {
    auto* pushButton = new QPushButton(text(caption), parent);
    pushButton->setAutoDefault(false);
    return pushButton;
}

}  // namespace

CDlgSetteiKoumoku::CDlgSetteiKoumoku(SetteiKoumokuForm& form, Prompt& prompt, FileBrowser& browser,
                                     QWidget* parent)
    : QDialog(parent), m_form(form), m_prompt(prompt), m_browser(browser) {
    setWindowTitle(toQString(m_form.Title()));
    m_list = new QListWidget(this);
    m_list->setAccessibleName(text(kItemList));
    // The lines line up code and name in columns.
    m_list->setFont(QFont(QStringLiteral("monospace")));
    m_list->setMinimumWidth(420);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    buildRows();
    auto* grid = new QGridLayout;
    const SetteiKoumokuLayout& shown = m_form.Layout();
    grid->addWidget(new QLabel(toQString(shown.numberCaption), this), 0, 1);
    grid->addWidget(new QLabel(toQString(shown.nameCaption), this), 0, 2);
    auto* subNameHeader = new QLabel(toQString(shown.subNameCaption), this);
    subNameHeader->setVisible(shown.subNameShown);
    grid->addWidget(subNameHeader, 0, 3);
    for (int level = 1; level <= 3; ++level) {
        const RowEdits& row = m_rows[index(level)];
        grid->addWidget(row.caption, level, 0);
        grid->addWidget(row.number, level, 1);
        grid->addWidget(row.name, level, 2);
        grid->addWidget(row.subName, level, 3);
    }
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addWidget(buildButtons());

    // Tab order: the rows left to right and top down, the buttons, the list.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous) setTabOrder(previous, next);
        previous = next;
    };
    for (const RowEdits& row : m_rows) {
        chain(row.number);
        chain(row.name);
        chain(row.subName);
    }
    for (QPushButton* pushButton : {m_register, m_delete, m_import, m_export}) chain(pushButton);
    chain(m_list);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int line) {
        if (line < 0) return;
        m_form.SelectLine(static_cast<size_t>(line));
        showRows();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { descend(m_list->row(item)); });
    // Enter on a line goes down a level, as a double click does, and is
    // kept from the default button.
    m_list->installEventFilter(this);
    showRows();
    showLines();
    numberEdit(1)->setFocus();
}

void CDlgSetteiKoumoku::buildRows() {
    const SetteiKoumokuLayout& shown = m_form.Layout();
    for (int level = 1; level <= 3; ++level) {
        RowEdits& row = m_rows[index(level)];
        const size_t i = index(level);
        row.number = new QLineEdit(this);
        row.name = new QLineEdit(this);
        row.subName = new QLineEdit(this);
        row.caption = fieldLabel(toQString(shown.rowCaptions[i]), row.number, this);
        const QString caption = toQString(shown.rowCaptions[i]);
        row.number->setAccessibleName(caption + text(shown.numberCaption.c_str()));
        row.name->setAccessibleName(caption + toQString(shown.nameCaption));
        row.subName->setAccessibleName(caption + toQString(shown.subNameCaption));
        const auto digits = static_cast<int>(shown.numberChars[i]);
        row.number->setMaxLength(digits);
        row.number->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), row.number));
        row.number->setMaximumWidth(row.number->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                    (digits + 3));
        Cp932ByteValidator::limit(row.name, static_cast<int>(shown.nameBytes[i]));
        Cp932ByteValidator::limit(row.subName, static_cast<int>(shown.subNameBytes[i]));
        InputMethodSwitcher::attachJapanese({row.name});
        row.number->installEventFilter(this);

        for (QWidget* widget :
             {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.number),
              static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.subName)}) {
            widget->setVisible(shown.rowShown[i]);
        }
        row.subName->setVisible(shown.rowShown[i] && shown.subNameShown);

        connect(row.number, &QLineEdit::textEdited, this, [this, level](const QString& value) {
            m_form.RowAt(level).number = toStdString(value);
        });
        connect(row.name, &QLineEdit::textEdited, this, [this, level](const QString& value) {
            m_form.RowAt(level).name = toStdString(value);
        });
        connect(row.subName, &QLineEdit::textEdited, this, [this, level](const QString& value) {
            m_form.RowAt(level).subName = toStdString(value);
        });
    }
}

QWidget* CDlgSetteiKoumoku::buildButtons() {
    auto* box = new QWidget(this);
    auto* buttons = new QHBoxLayout(box);
    buttons->setContentsMargins(0, 0, 0, 0);
    m_register = button(kButtonRegister, box);
    // Enter anywhere in the rows registers them.
    m_register->setDefault(true);
    m_delete = button(kButtonDelete, box);
    m_import = button(kButtonCsvImport, box);
    m_export = button(kButtonCsvExport, box);
    auto* back = button(kButtonBack, box);
    for (QPushButton* pushButton : {m_register, m_delete, m_import, m_export}) {
        buttons->addWidget(pushButton);
    }
    buttons->addStretch();
    buttons->addWidget(back);
    connect(m_register, &QPushButton::clicked, this, &CDlgSetteiKoumoku::registerRows);
    connect(m_delete, &QPushButton::clicked, this, &CDlgSetteiKoumoku::deleteLine);
    connect(m_import, &QPushButton::clicked, this, &CDlgSetteiKoumoku::importCsv);
    connect(m_export, &QPushButton::clicked, this, &CDlgSetteiKoumoku::exportCsv);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    return box;
}

int CDlgSetteiKoumoku::levelOfNumberEdit(QObject* edit) const {
    for (int level = 1; level <= 3; ++level) {
        if (m_rows[index(level)].number == edit) return level;
    }
    return 0;
}

void CDlgSetteiKoumoku::descend(int line) {
    if (line < 0) return;
    const int next = m_form.Descend(static_cast<size_t>(line));
    showRows();
    showLines();
    if (next > 0) numberEdit(next)->setFocus();
}

bool CDlgSetteiKoumoku::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            descend(m_list->currentRow());
            return true;
        }
    }
    const int level = levelOfNumberEdit(watched);
    if (level > 0 && event->type() == QEvent::FocusIn && m_form.ListLevel() != level) {
        m_form.FocusNumber(level);
        showLines();
    } else if (level > 0 && event->type() == QEvent::FocusOut) {
        m_form.LeaveNumber(level);
        showRows();
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgSetteiKoumoku::showRows() {
    for (int level = 1; level <= 3; ++level) {
        const SetteiKoumokuForm::Row& values = m_form.RowAt(level);
        const RowEdits& row = m_rows[index(level)];
        row.number->setText(toQString(values.number));
        row.name->setText(toQString(values.name));
        row.subName->setText(toQString(values.subName));
    }
}

void CDlgSetteiKoumoku::showLines() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const SetteiKoumokuForm::Line& line : m_form.Lines()) {
        m_list->addItem(toQString(line.text));
    }
}

void CDlgSetteiKoumoku::registerRows() {
    m_form.Register();
    showRows();
    showLines();
}

void CDlgSetteiKoumoku::deleteLine() {
    const int line = m_list->currentRow();
    if (line < 0) return;
    const auto chosen = static_cast<size_t>(line);
    if (m_prompt.ask(m_form.DeleteQuestion(chosen), kDeleteCaption, Buttons::yesNo,
                     MessageIcon::question) != Answer::yes) {
        return;
    }
    m_form.Delete(chosen);
    showLines();
}

void CDlgSetteiKoumoku::importCsv() {
    const std::string path =
        CMyTool::BrowseFile(m_browser, kCsvExtension, m_form.CsvProposal(), kCsvFilter, true);
    if (path.empty()) return;
    if (m_form.Copy().ImportItemsCsv(m_prompt, path)) {
        m_form.RefillLines();
        showLines();
    }
}

void CDlgSetteiKoumoku::exportCsv() {
    const std::string path =
        CMyTool::BrowseFile(m_browser, kCsvExtension, m_form.CsvProposal(), kCsvFilter, false);
    if (!path.empty()) m_form.Copy().ExportItemsCsv(m_prompt, path);
}

}  // namespace bunrako
