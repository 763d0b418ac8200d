#include "volumes/ui/dlg_bunshoseiri_haiki_shori.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "office/ui/input_method_switcher.h"
#include "volumes/ui/batch_progress.h"
#include "volumes/ui/texts.h"
#include "volumes/ui/year_input_edit.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CDlgBunshoseiriHaikiShori::CDlgBunshoseiriHaikiShori(size_t selected, const OleDateTime& today,
                                                     bool western, Run run, QWidget* parent)
    : QDialog(parent), m_selected(selected), m_form(today, western), m_run(std::move(run)) {
    setWindowTitle(text(uitexts::kDisposalCaption));
    build();
    m_month->setYearMonth(m_form.month());
}

void CDlgBunshoseiriHaikiShori::build() {
    auto* layout = new QVBoxLayout(this);
    for (const char* line : uitexts::kDisposalExplanation) {
        auto* label = new QLabel(text(line), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    m_month = new YearInputEdit(YearInputEdit::Kind::yearMonth, m_form.western(),
                                text(uitexts::kDisposalName), this);
    m_month->setObjectName(QStringLiteral("month"));
    InputMethodSwitcher::attachNumber({m_month->eraYearEdit(), m_month->westernYearEdit()});
    InputMethodSwitcher::attachNumber({m_month->monthEdit()});
    // The parts keep the names the year input gives them; the mnemonic goes
    // to the input's first part.
    auto* label = new QLabel(text(uitexts::kDisposal), this);
    label->setBuddy(m_month);
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(label);
    monthRow->addWidget(m_month);
    monthRow->addStretch(1);
    layout->addLayout(monthRow);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, DisposalForm::progressUpper(m_selected));
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    m_start = new QPushButton(text(uitexts::kStartProcessing), this);
    m_start->setObjectName(QStringLiteral("start"));
    m_start->setDefault(true);
    m_back = new QPushButton(text(uitexts::kBack), this);
    m_back->setObjectName(QStringLiteral("back"));
    connect(m_start, &QPushButton::clicked, this, &CDlgBunshoseiriHaikiShori::start);
    connect(m_back, &QPushButton::clicked, this, &CDlgBunshoseiriHaikiShori::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_start);
    buttons->addWidget(m_back);
    layout->addLayout(buttons);
}

void CDlgBunshoseiriHaikiShori::start() {
    m_form.month() = m_month->yearMonth();
    const std::optional<OleDateTime> month = m_form.disposalMonth();
    if (!month) return;
    {
        // Window-modal: the dialog takes no input while the batch runs.
        BatchProgressShown shown(this, text(uitexts::kDisposingVolumes), true, m_progress);
        m_result = m_run(*month, shown.progress(), shown.stop());
    }
    if (m_result.outcome == BatchResult::Outcome::cancelled) {
        m_progress->setValue(0);
        return;
    }
    accept();
}

}  // namespace bunrako
