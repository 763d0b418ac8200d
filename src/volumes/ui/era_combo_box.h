#pragma once

#include <QComboBox>

namespace bunrako {

// The era combo of a year input: the era names in era order; typing the
// first letter of an era (M, T, S, H, R) chooses it.
class EraComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit EraComboBox(QWidget* parent = nullptr);

    // 1-based era number; 0 when none is chosen.
    int era() const { return currentIndex() + 1; }
    void setEra(int era);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace bunrako
