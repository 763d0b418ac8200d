#pragma once

#include <QDialog>

namespace bunrako {

// The about box: the program and its version, and the operating system it
// runs on.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // "現在の使用OS:" followed by the description of the running system.
    static QString osText();
};

}  // namespace bunrako
