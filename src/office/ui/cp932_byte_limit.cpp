#include "office/ui/cp932_byte_limit.h"

#include "common/cp932.h"
#include "office/ui/qt_text.h"

namespace bunrako {

Cp932ByteLimit::Cp932ByteLimit(int maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State Cp932ByteLimit::validate(QString& input, int& /*position*/) const {
    bool lossless = true;
    const std::string bytes = utf8ToCp932(toStdString(input), &lossless);
    if (!lossless || bytes.size() > static_cast<size_t>(m_maxBytes)) return Invalid;
    return Acceptable;
}

}  // namespace bunrako
