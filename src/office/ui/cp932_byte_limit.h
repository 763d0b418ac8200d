#pragma once

#include <QValidator>

namespace bunrako {

// Refuses what a record's text field cannot hold: more CP932 bytes than the
// field has room for, or a character CP932 has no code for. The edit keeps
// what was typed before; nothing is cut later on saving.
class Cp932ByteLimit : public QValidator {
  public:
    Cp932ByteLimit(int maxBytes, QObject* parent);

    State validate(QString& input, int& position) const override;
    int maxBytes() const { return m_maxBytes; }

  private:
    int m_maxBytes;
};

}  // namespace bunrako
