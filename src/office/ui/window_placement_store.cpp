#include "office/ui/window_placement_store.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "office/ui/qt_text.h"
#include "office/ui/texts.h"

namespace bunrako {
namespace {

// The stored flags and show commands.
constexpr int kRestoreToMaximized = 2;
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;
// No particular minimised or maximised position.
constexpr int kNoPosition = -1;

bool liesOnAScreen(const QRect& rect) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    // Without screens (tests without a display) there is nothing to miss.
    if (screens.isEmpty()) return true;
    for (const QScreen* screen : screens) {
        if (screen->availableVirtualGeometry().intersects(rect)) return true;
    }
    return false;
}

}  // namespace

WindowPlacement WindowPlacementStore::placementOf(const QWidget& window) {
    WindowPlacement placement;
    const bool maximized = window.isMaximized();
    placement.flags = maximized ? kRestoreToMaximized : 0;
    placement.showCommand = window.isMinimized() ? kShowMinimized
                            : maximized          ? kShowMaximized
                                                 : kShowNormal;
    placement.minX = placement.minY = kNoPosition;
    placement.maxX = placement.maxY = kNoPosition;
    const QRect normal =
        window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    placement.left = normal.left();
    placement.top = normal.top();
    // The stored rectangle ends one past its last pixel.
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    return placement;
}

bool WindowPlacementStore::apply(QWidget& window, const WindowPlacement& placement) {
    const QRect rect(placement.left, placement.top, placement.right - placement.left,
                     placement.bottom - placement.top);
    if (rect.width() <= 0 || rect.height() <= 0 || !liesOnAScreen(rect)) return false;
    // The window opens in the state it is started in, at its stored place.
    window.setGeometry(rect);
    return true;
}

void WindowPlacementStore::save(const QWidget& window) {
    m_settings.setValue(QString::fromUtf8(office::ui::texts::kWindowPlacementKey),
                        toQString(CMyTool::FormatWindowPlacement(placementOf(window))));
}

bool WindowPlacementStore::restore(QWidget& window) const {
    const QString text =
        m_settings.value(QString::fromUtf8(office::ui::texts::kWindowPlacementKey)).toString();
    if (text.isEmpty()) return false;
    const auto placement = CMyTool::ParseWindowPlacement(toStdString(text));
    return placement && apply(window, *placement);
}

}  // namespace bunrako
