#include "office/ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/my_tool.h"
#include "common/version.h"
#include "office/ui/command_icons.h"
#include "office/ui/qt_text.h"
#include "office/ui/texts.h"

namespace bunrako {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(office::ui::texts::kAboutCaption));

    auto* icon = new QLabel(this);
    icon->setPixmap(CommandIcons::application().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(QString::fromUtf8(office::ui::texts::kAboutVersion)
                                   .arg(QString::fromUtf8(ProgramVersion())),
                               this);
    auto* os = new QLabel(osText(), this);
    os->setObjectName(QStringLiteral("osText"));
    os->setTextInteractionFlags(Qt::TextSelectableByMouse);
    os->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(os);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(office::ui::texts::kButtonOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString CAboutDlg::osText() {
    return QString::fromUtf8(office::ui::texts::kAboutOs) + toQString(CMyTool::GetOsDescription());
}

}  // namespace bunrako
