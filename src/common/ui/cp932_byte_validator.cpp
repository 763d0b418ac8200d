#include "common/ui/cp932_byte_validator.h"

#include <QLineEdit>

#include "common/cp932.h"

namespace bunrako {

Cp932ByteValidator::Cp932ByteValidator(int maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State Cp932ByteValidator::validate(QString& input, int& /*position*/) const {
    const QByteArray utf8 = input.toUtf8();
    bool lossless = true;
    const std::string bytes = utf8ToCp932(
        std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), &lossless);
    if (!lossless) return Invalid;
    return bytes.size() <= static_cast<size_t>(m_maxBytes) ? Acceptable : Invalid;
}

void Cp932ByteValidator::limit(QLineEdit* edit, int maxBytes) {
    edit->setValidator(new Cp932ByteValidator(maxBytes, edit));
}

}  // namespace bunrako
