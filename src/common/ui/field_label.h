#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace bunrako {

// A label for a field: the label's mnemonic moves the focus to the field, and
// the field carries the label's text (without "&") as its accessible name.
QLabel* fieldLabel(const QString& caption, QWidget* field, QWidget* parent);

// The text a caption shows, without mnemonic marks ("登録(&R)" -> "登録").
QString shownCaption(const QString& caption);

}  // namespace bunrako
