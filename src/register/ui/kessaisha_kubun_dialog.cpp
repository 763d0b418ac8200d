#include "register/ui/kessaisha_kubun_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "register/texts.h"

namespace bunrako {
namespace {

constexpr int kNameBytes = 20;
constexpr int kSymbolBytes = 10;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CDlgKessaishaKubunSettei::CDlgKessaishaKubunSettei(KessaiKubunForm& form, QWidget* parent)
    : QDialog(parent), m_form(form) {
    using namespace register_::texts;
    setWindowTitle(q(kApproverCaption));
    m_list = new QListWidget(this);
    m_name = new QLineEdit(this);
    m_symbol = new QLineEdit(this);
    Cp932ByteValidator::limit(m_name, kNameBytes);
    Cp932ByteValidator::limit(m_symbol, kSymbolBytes);
    InputMethodSwitcher::attachJapanese({m_name, m_symbol});

    auto* fields = new QFormLayout;
    fields->addRow(fieldLabel(q(kApproverList), m_list, this), m_list);
    fields->addRow(fieldLabel(q(kApproverName), m_name, this), m_name);
    fields->addRow(fieldLabel(q(kApproverSymbol), m_symbol, this), m_symbol);

    auto* edits = new QHBoxLayout;
    m_add = new QPushButton(q(kApproverAdd), this);
    m_change = new QPushButton(q(kApproverChange), this);
    m_delete = new QPushButton(q(kApproverDelete), this);
    for (QPushButton* button : {m_add, m_change, m_delete}) {
        button->setAutoDefault(false);
        edits->addWidget(button);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(q(kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(edits);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_form.select(row);
        if (row >= 0) {
            m_name->setText(toQString(m_form.name));
            m_symbol->setText(toQString(m_form.symbol));
        }
        applyEnabling();
    });
    const auto edit = [this](bool (KessaiKubunForm::*action)()) {
        copyEdits();
        if ((m_form.*action)()) showLines();
    };
    connect(m_add, &QPushButton::clicked, this, [edit] { edit(&KessaiKubunForm::add); });
    connect(m_change, &QPushButton::clicked, this, [edit] { edit(&KessaiKubunForm::change); });
    connect(m_delete, &QPushButton::clicked, this, [edit] { edit(&KessaiKubunForm::remove); });
    showLines();
}

void CDlgKessaishaKubunSettei::copyEdits() {
    m_form.name = toStdString(m_name->text());
    m_form.symbol = toStdString(m_symbol->text());
}

void CDlgKessaishaKubunSettei::showLines() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const std::string& line : m_form.lines()) m_list->addItem(toQString(line));
    m_list->setCurrentRow(m_form.selected());
    applyEnabling();
}

void CDlgKessaishaKubunSettei::applyEnabling() {
    m_add->setEnabled(m_form.addEnabled());
    m_change->setEnabled(m_form.changeEnabled());
    m_delete->setEnabled(m_form.removeEnabled());
}

}  // namespace bunrako
