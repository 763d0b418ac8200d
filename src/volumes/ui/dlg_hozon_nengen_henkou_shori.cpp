#include "volumes/ui/dlg_hozon_nengen_henkou_shori.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "volumes/ui/batch_progress.h"
#include "volumes/ui/texts.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CDlgHozonNengenHenkouShori::CDlgHozonNengenHenkouShori(size_t selected,
                                                       const CSetteiKoumokuList& retention, Run run,
                                                       QWidget* parent)
    : QDialog(parent), m_selected(selected), m_form(retention), m_run(std::move(run)) {
    setWindowTitle(text(uitexts::kRetentionChangeCaption));
    build();
}

void CDlgHozonNengenHenkouShori::build() {
    auto* layout = new QVBoxLayout(this);
    for (const char* line : uitexts::kRetentionChangeExplanation) {
        auto* label = new QLabel(text(line), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("type"));
    for (const std::string& name : m_form.typeNames()) m_type->addItem(toQString(name));
    // No type is chosen until the clerk chooses one.
    m_type->setCurrentIndex(-1);
    m_reason = new QLineEdit(this);
    m_reason->setObjectName(QStringLiteral("reason"));
    Cp932ByteValidator::limit(m_reason, RetentionChangeForm::kReasonBytes);
    InputMethodSwitcher::attachJapanese({m_reason});
    auto* fields = new QGridLayout;
    fields->addWidget(fieldLabel(text(uitexts::kNewRetentionType), m_type, this), 0, 0);
    fields->addWidget(m_type, 0, 1);
    fields->addWidget(fieldLabel(text(uitexts::kChangeReason), m_reason, this), 1, 0);
    fields->addWidget(m_reason, 1, 1);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, static_cast<int>(m_selected));
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    m_ok = new QPushButton(text(uitexts::kOk), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(text(uitexts::kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_ok, &QPushButton::clicked, this, &CDlgHozonNengenHenkouShori::start);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgHozonNengenHenkouShori::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    resize(480, sizeHint().height());
}

void CDlgHozonNengenHenkouShori::start() {
    m_form.type() = m_type->currentIndex() < 0 ? std::string() : toStdString(m_type->currentText());
    m_form.reason() = toStdString(m_reason->text());
    if (!m_form.chosenType()) return;
    {
        // Window-modal: the dialog takes no input while the batch runs.
        BatchProgressShown shown(this, text(uitexts::kChangingRetention), true, m_progress);
        m_result = m_run(m_form.type(), m_form.reason(), shown.progress(), shown.stop());
    }
    if (m_result.outcome == BatchResult::Outcome::cancelled) {
        m_progress->setValue(0);
        return;
    }
    accept();
}

}  // namespace bunrako
