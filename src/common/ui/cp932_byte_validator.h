#pragma once

#include <QValidator>

class QLineEdit;

namespace bunrako {

// Refuses text a fixed record field cannot hold: more CP932 bytes than the
// field takes, or characters Shift-JIS cannot represent. Typing past the
// limit is refused at the keystroke instead of being cut when saved.
class Cp932ByteValidator : public QValidator {
    Q_OBJECT
  public:
    Cp932ByteValidator(int maxBytes, QObject* parent);

    State validate(QString& input, int& position) const override;
    int maxBytes() const { return m_maxBytes; }

    // Puts a validator of maxBytes on the edit.
    static void limit(QLineEdit* edit, int maxBytes);

  private:
    int m_maxBytes;
};

}  // namespace bunrako
