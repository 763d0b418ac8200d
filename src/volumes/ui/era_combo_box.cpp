#include "volumes/ui/era_combo_box.h"

#include <QKeyEvent>

#include "common/my_tool.h"
#include "office/ui/qt_text.h"

namespace bunrako {

EraComboBox::EraComboBox(QWidget* parent) : QComboBox(parent) {
    const CMyTool tool;
    for (int era = 1; era <= tool.EraCount(); ++era) addItem(toQString(tool.EraName(era)));
    setCurrentIndex(-1);
}

void EraComboBox::setEra(int era) { setCurrentIndex(era >= 1 && era <= count() ? era - 1 : -1); }

void EraComboBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text().toUpper();
    if (typed.size() == 1 && typed.front().isLetter()) {
        const CMyTool tool;
        for (int era = 1; era <= tool.EraCount(); ++era) {
            if (toQString(tool.EraInitial(era)) == typed) {
                setEra(era);
                emit activated(currentIndex());
                return;
            }
        }
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace bunrako
