#include "catalogue/ui/kanren_file_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/texts.h"
#include "common/my_tool.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/qt_text.h"
#include "office/ui/texts.h"

namespace bunrako {
namespace {

using namespace catalogue::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CDlgKanrenFile::CDlgKanrenFile(KanrenFileForm& form, FileBrowser& browser, QWidget* parent)
    : QDialog(parent), m_form(form), m_browser(browser) {
    setWindowTitle(text(kRelatedCaption));
    m_fileName = new QLineEdit(toQString(form.fileName), this);
    m_folder = new QLineEdit(toQString(form.folder), this);
    Cp932ByteValidator::limit(m_fileName, KanrenFileForm::kFileNameBytes);
    Cp932ByteValidator::limit(m_folder, KanrenFileForm::kFolderBytes);
    m_browse = new QPushButton(text(kRelatedBrowse), this);
    m_browse->setAutoDefault(false);
    m_status = new QLabel(this);

    auto* grid = new QGridLayout;
    grid->addWidget(fieldLabel(text(kRelatedFileName), m_fileName, this), 0, 0);
    grid->addWidget(m_fileName, 0, 1);
    grid->addWidget(m_browse, 0, 2);
    grid->addWidget(fieldLabel(text(kRelatedFolder), m_folder, this), 1, 0);
    grid->addWidget(m_folder, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text(office::ui::texts::kButtonOk));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(text(office::ui::texts::kButtonCancel));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());

    connect(m_fileName, &QLineEdit::textEdited, this,
            [this](const QString& value) { m_form.fileName = toStdString(value); });
    connect(m_folder, &QLineEdit::textEdited, this,
            [this](const QString& value) { m_form.folder = toStdString(value); });
    connect(m_browse, &QPushButton::clicked, this, [this] {
        const std::string chosen = CMyTool::BrowseFile(
            m_browser, {}, m_form.folder + m_form.fileName, kRelatedFilter, true);
        if (chosen.empty()) return;
        m_form.ChoosePath(chosen);
        m_fileName->setText(toQString(m_form.fileName));
        m_folder->setText(toQString(m_form.folder));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgKanrenFile::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_fileName->setFocus();
}

void CDlgKanrenFile::accept() {
    if (!m_form.IsComplete()) {
        m_status->setText(text(kRelatedNoName));
        m_fileName->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace bunrako
