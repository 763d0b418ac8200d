#include "office/ui/command_icons.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "common/my_tool.h"
#include "common/program_places.h"
#include "office/ui/command_catalogue.h"
#include "office/ui/qt_text.h"
#include "office/ui/texts.h"

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
    return applicationFrom(toQString(ResourceFolder(CMyTool::GetProgramFolder())));
}

QIcon CommandIcons::applicationFrom(const QString& resourceFolder) {
    QIcon icon;
    if (!resourceFolder.isEmpty()) {
        const QString name = QString::fromUtf8(office::ui::texts::kDesktopId);
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString file =
                resourceFolder +
                QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name);
            if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
        }
    }
    if (!icon.isNull()) return icon;
    const QString glyph = QStringLiteral("文");
    return glyphIcon(glyph, colourOf(glyph));
}

}  // namespace bunrako
