#pragma once

#include <QString>

#include "office/ui/command_id.h"
#include "office/ui/texts.h"

namespace bunrako {

class Prompt;

// The texts of one command; every command has an entry.
const office::ui::texts::CommandText& commandText(CommandId id);

// The caption without its keyboard mnemonic and ellipsis ("バージョン情報").
QString plainCaption(CommandId id);

// Tells the clerk that the command's operation is not in this program yet.
void showNotYetAvailable(Prompt& prompt, CommandId id);

}  // namespace bunrako
