#include "settings/ui/section_switch_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "office/ui/qt_text.h"
#include "settings/texts.h"

namespace bunrako {

CDlgShokiSetteiKaKakariKirikae::CDlgShokiSetteiKaKakariKirikae(const SectionSwitchForm& form,
                                                               QWidget* parent)
    : QDialog(parent), m_form(form), m_list(new QListWidget(this)) {
    using namespace settings::texts;
    setWindowTitle(QString::fromUtf8(kSwitchCaption));
    m_list->setAccessibleName(QString::fromUtf8(kSwitchList));
    for (const std::string& line : form.Lines()) m_list->addItem(toQString(line));
    if (const auto current = form.CurrentLine()) m_list->setCurrentRow(static_cast<int>(*current));

    auto* buttons = new QDialogButtonBox(this);
    auto* switchButton =
        buttons->addButton(QString::fromUtf8(kSwitchButton), QDialogButtonBox::AcceptRole);
    switchButton->setDefault(true);
    buttons->addButton(QString::fromUtf8(kButtonBack), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this,
            &CDlgShokiSetteiKaKakariKirikae::switchToSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            &CDlgShokiSetteiKaKakariKirikae::switchToSelected);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    m_list->setFocus();
}

void CDlgShokiSetteiKaKakariKirikae::switchToSelected() {
    const int line = m_list->currentRow();
    if (line < 0 || !m_list->currentItem()->isSelected()) return;
    m_chosen = m_form.RecordOf(static_cast<size_t>(line));
    if (m_chosen) accept();
}

}  // namespace bunrako
