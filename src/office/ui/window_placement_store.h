#pragma once

#include "common/my_tool.h"

class QSettings;
class QWidget;

namespace bunrako {

// Keeps the main window's position and size in the settings store as the
// ten-number text "Settings/WindowPos".
class WindowPlacementStore {
  public:
    explicit WindowPlacementStore(QSettings& settings) : m_settings(settings) {}

    // Stores where the window is; a zoomed window keeps its normal rectangle
    // and the restore-to-maximised flag.
    void save(const QWidget& window);
    // Puts the window where it was, when the stored text holds all ten
    // numbers and its rectangle still lies on a screen. True when applied.
    bool restore(QWidget& window) const;

    static WindowPlacement placementOf(const QWidget& window);
    static bool apply(QWidget& window, const WindowPlacement& placement);

  private:
    QSettings& m_settings;
};

}  // namespace bunrako
