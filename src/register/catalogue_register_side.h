#pragma once

#include <filesystem>

#include "catalogue/sakuin_mokuroku_form.h"

namespace bunrako {

class CShokiSetteiData;
class Clock;
class Prompt;

// The title register as the index catalogue's entry dialog sees it: the
// remembered senders and receivers of the data folder, the number the
// register gives a reception date, and the write of 文書件名簿と連携する into
// the section's register file. The settings are copied; prompt and clock
// must outlive the result.
SakuinMokurokuForm::RegisterSide catalogueRegisterSide(const CShokiSetteiData& settings,
                                                       const std::filesystem::path& dataFolder,
                                                       const Clock& clock, Prompt& prompt);

}  // namespace bunrako
