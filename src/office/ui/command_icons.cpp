#include "office/ui/command_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "office/ui/command_catalogue.h"

namespace bunrako {
namespace {

QColor colourOf(const QString& glyph) {
    struct Kind {
        const char* glyph;
        QRgb colour;
    };
    static const Kind kinds[] = {
        {"抽", 0x2f6fb3}, {"登", 0x2e8b57}, {"変", 0xc86414}, {"削", 0xc0392b}, {"全", 0x7b5ea7},
        {"連", 0x138d90}, {"廃", 0x8e2c2c}, {"棄", 0x8e2c2c}, {"印", 0x4a5a6a}, {"索", 0x4a5a6a},
        {"並", 0x6b8e23}, {"年", 0x1f7a8c}, {"限", 0x9c6b30}, {"文", 0x1e5a96}};
    for (const Kind& kind : kinds) {
        if (glyph == QString::fromUtf8(kind.glyph)) return QColor::fromRgb(kind.colour);
    }
    return QColor::fromRgb(0x455a64);
}

QPixmap tile(const QString& glyph, const QColor& colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF square(0.5, 0.5, size - 1.0, size - 1.0);
    painter.setPen(colour.darker(130));
    painter.setBrush(colour);
    painter.drawRoundedRect(square, size / 6.0, size / 6.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 5 / 8);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(square, Qt::AlignCenter, glyph);
    return pixmap;
}

}  // namespace

QIcon CommandIcons::glyphIcon(const QString& glyph, const QColor& colour) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) icon.addPixmap(tile(glyph, colour, size));
    return icon;
}

QIcon CommandIcons::forCommand(CommandId id) {
    const QString glyph = QString::fromUtf8(commandText(id).glyph);
    return glyphIcon(glyph, colourOf(glyph));
}

QIcon CommandIcons::application() {
    const QString glyph = QStringLiteral("文");
    return glyphIcon(glyph, colourOf(glyph));
}

}  // namespace bunrako
