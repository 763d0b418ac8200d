#include "common/ui/field_label.h"

#include <QLabel>
#include <QRegularExpression>

namespace bunrako {

QString shownCaption(const QString& caption) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    QString shown = caption;
    shown.remove(mnemonic);
    shown.remove(QLatin1Char('&'));
    return shown;
}

QLabel* fieldLabel(const QString& caption, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    field->setAccessibleName(shownCaption(caption));
    return label;
}

}  // namespace bunrako
