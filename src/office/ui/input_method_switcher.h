#pragma once

#include <QObject>
#include <initializer_list>

class QWidget;

namespace bunrako {

// Switches the Japanese input method as the clerk moves between fields:
// fields for Japanese text (names, titles, remarks) take it, code and number
// fields bypass it so that digits and letters arrive as typed.
//
// Qt cannot open or close an input method's conversion mode itself; what it
// can do per field is enable or disable input-method composition and give
// the input method hints. A disabled field gets keystrokes directly, which is
// what a closed input method means to the clerk; leaving a Japanese field
// commits any text still being composed, so nothing half-converted is lost.
// Because some widgets re-enable composition on their own (a line edit does
// when it leaves read-only mode), the choice is applied again on every focus.
class InputMethodSwitcher : public QObject {
    Q_OBJECT
  public:
    enum class Kind { japaneseText, code, number };

    // Attaches a switcher to the field; it lives as long as the field.
    static void attach(QWidget* field, Kind kind);
    // The same for several fields.
    static void attachJapanese(std::initializer_list<QWidget*> fields);
    static void attachCode(std::initializer_list<QWidget*> fields);
    static void attachNumber(std::initializer_list<QWidget*> fields);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    InputMethodSwitcher(QWidget* field, Kind kind);
    void apply(QWidget* field) const;

    Kind m_kind;
};

}  // namespace bunrako
