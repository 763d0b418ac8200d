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
    // The program's icon as the desktop's menu shows it, from the resources
    // of the running program; the drawn tile where they are missing.
    static QIcon application();
    // The same from the given resource folder (with its separator).
    static QIcon applicationFrom(const QString& resourceFolder);

  private:
    static QIcon glyphIcon(const QString& glyph, const QColor& colour);
};

}  // namespace bunrako
