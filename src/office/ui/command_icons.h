#pragma once

#include <QIcon>

#include "office/ui/command_id.h"

namespace bunrako {

// Toolbar and window icons drawn by the program: a coloured tile with the
// command's character, the colour telling the kind of command (extract,
// register, change, delete, ...).
class CommandIcons {
  public:
    static QIcon forCommand(CommandId id);
    static QIcon application();

  private:
    static QIcon glyphIcon(const QString& glyph, const QColor& colour);
};

}  // namespace bunrako
