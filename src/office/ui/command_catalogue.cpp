#include "office/ui/command_catalogue.h"

#include <QRegularExpression>
#include <stdexcept>

#include "common/prompt.h"

namespace bunrako {

const office::ui::texts::CommandText& commandText(CommandId id) {
    for (const auto& entry : office::ui::texts::kCommandTexts) {
        if (entry.id == id) return entry;
    }
    throw std::out_of_range("command without texts");
}

QString plainCaption(CommandId id) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|\\.\\.\\.$"));
    QString caption = QString::fromUtf8(commandText(id).caption);
    caption.remove(mnemonic);
    caption.remove(QLatin1Char('&'));
    return caption;
}

void showNotYetAvailable(Prompt& prompt, CommandId id) {
    // The tool tip names the command in full ("簿冊登録", not "登録").
    prompt.showMessage(office::ui::texts::kNotYetAvailable, commandText(id).toolTip,
                       MessageIcon::information);
}

}  // namespace bunrako
