#include "office/ui/register_tab.h"

#include <array>

#include "catalogue/catalogue_list_cells.h"
#include "catalogue/related_file_cells.h"
#include "office/ui/texts.h"
#include "register/register_list_cells.h"
#include "volumes/volume_list_cells.h"

namespace bunrako {
namespace {

namespace t = office::ui::texts;
using C = CommandId;
constexpr CommandId kNone = kSeparator;

// The columns of every tab come with their cell texts from the registers.

constexpr CommandId kTitleRegisterCommands[] = {
    C::registerExtract, kSeparator, C::registerAdd,         C::registerChange,
    C::registerDelete,  kSeparator, C::registerSelectAll,   kSeparator,
    C::registerLink,    kSeparator, C::registerDataDisposal};
constexpr CommandId kTitleRegisterNeedSelection[] = {C::registerLink, C::registerDataDisposal};

constexpr CommandId kVolumeCommands[] = {
    C::volumeExtract, kSeparator,           C::volumeAdd,        C::volumeChange,
    C::volumeDelete,  kSeparator,           C::volumeTitleOrder, C::volumeSelectAll,
    kSeparator,       C::yearSwitch,        C::volumeDisposal,   C::retentionTypeChange,
    kSeparator,       C::volumeLink,        C::indexBatchPrint,  C::volumeTitlePrint,
    kSeparator,       C::volumeDataDisposal};
constexpr CommandId kVolumeNeedSelection[] = {
    C::yearSwitch,      C::volumeDisposal,   C::retentionTypeChange, C::volumeLink,
    C::indexBatchPrint, C::volumeTitlePrint, C::volumeDataDisposal};

constexpr CommandId kPermanentCommands[] = {C::permanentExtract, kSeparator, C::permanentSelectAll,
                                            kSeparator, C::permanentLink};
constexpr CommandId kPermanentNeedSelection[] = {C::permanentLink};

constexpr CommandId kDisposedCommands[] = {
    C::disposedExtract, kSeparator, C::disposedSelectAll,   kSeparator,
    C::disposedLink,    kSeparator, C::disposedDataDisposal};
constexpr CommandId kDisposedNeedSelection[] = {C::disposedLink, C::disposedDataDisposal};

constexpr CommandId kChangeFormCommands[] = {
    C::changeFormExtract, kSeparator, C::changeFormSelectAll,   kSeparator,
    C::changeFormLink,    kSeparator, C::changeFormDataDisposal};
constexpr CommandId kChangeFormNeedSelection[] = {C::changeFormLink, C::changeFormDataDisposal};

constexpr CommandId kIndexCommands[] = {C::indexExtract, kSeparator, C::indexAdd, C::indexChange,
                                        C::indexDelete,  kSeparator, C::indexLink};

constexpr CommandId kRelatedFileCommands[] = {C::relatedAdd, C::relatedChange, C::relatedDelete};
constexpr CommandId kRelatedFileNeedSelection[] = {C::relatedChange, C::relatedDelete};

const std::array<RegisterTabInfo, kRegisterTabCount> kTabs = {{
    {RegisterTab::titleRegister, t::kTabTitleRegister, t::kTabTitleRegister, registerListColumns(),
     kTitleRegisterCommands, kTitleRegisterNeedSelection, true, C::registerSelectAll,
     C::fileManager, kNone, 'F'},
    {RegisterTab::volumes, t::kTabVolumes, t::kTabVolumes, volumeListColumns(), kVolumeCommands,
     kVolumeNeedSelection, true, C::volumeSelectAll, C::fileManager, C::volumeExtract, 'T'},
    {RegisterTab::permanent, t::kTabPermanent, t::kMenuPermanent, permanentLedgerColumns(),
     kPermanentCommands, kPermanentNeedSelection, true, C::permanentSelectAll, kNone,
     C::permanentExtract, 'T'},
    {RegisterTab::disposed, t::kTabDisposed, t::kMenuDisposed, volumeListColumns(),
     kDisposedCommands, kDisposedNeedSelection, true, C::disposedSelectAll, kNone,
     C::disposedExtract, 'T'},
    {RegisterTab::retentionChange, t::kTabRetentionChange, t::kTabRetentionChange,
     changeFormListColumns(), kChangeFormCommands, kChangeFormNeedSelection, true,
     C::changeFormSelectAll, kNone, C::changeFormExtract, 'T'},
    {RegisterTab::indexCatalogue,
     t::kTabIndexCatalogue,
     t::kTabIndexCatalogue,
     catalogueListColumns(),
     kIndexCommands,
     {},
     true,
     kNone,
     C::fileManager,
     kNone,
     'F'},
    {RegisterTab::relatedFiles, t::kTabRelatedFiles, t::kTabRelatedFiles, relatedFileListColumns(),
     kRelatedFileCommands, kRelatedFileNeedSelection, false, kNone, C::fileManager, kNone, 'F'},
}};

}  // namespace

const RegisterTabInfo& registerTabInfo(RegisterTab tab) { return kTabs[tabIndex(tab)]; }

const RegisterTabInfo& registerTabInfo(int tab) { return kTabs.at(static_cast<size_t>(tab)); }

}  // namespace bunrako
