#include "app/ui/register_tab.h"

#include <array>

#include "app/ui/texts.h"

namespace bunrako {
namespace {

namespace t = ui::texts;
using C = CommandId;
constexpr CommandId kNone = kSeparator;

constexpr ListColumn kTitleRegisterColumns[] = {{t::kColReceived, 100},
                                                {t::kColNumber, 80},
                                                {t::kColSubject, 500},
                                                {t::kColSender, 100},
                                                {t::kColReceiver, 100}};

// The volume list and the disposed-volume list share their columns.
constexpr ListColumn kVolumeColumns[] = {
    {t::kColSection, 80},     {t::kColSubsection, 80}, {t::kColMajor, 100},    {t::kColMiddle, 100},
    {t::kColMinor, 100},      {t::kColSerial, 50},     {t::kColTitle, 300},    {t::kColBooks, 30},
    {t::kColFilingStart, 70}, {t::kColFilingEnd, 70},  {t::kColRetention, 60}, {t::kColExpiry, 70},
    {t::kColInUse, 60},       {t::kColContents, 30},   {t::kColDisposal, 70}};

constexpr ListColumn kPermanentColumns[] = {
    {t::kColSection, 80},     {t::kColSubsection, 80}, {t::kColMajorShort, 30},
    {t::kColMiddleShort, 30}, {t::kColMinorShort, 30}, {t::kColSerial, 50},
    {t::kColTitle, 300},      {t::kColBooks, 30},      {t::kColFilingStart, 70},
    {t::kColFilingEnd, 70},   {t::kColRetention, 60},  {t::kColReview1, 60},
    {t::kColRetention, 30},   {t::kColReview2, 60},    {t::kColRetention, 30},
    {t::kColReview3, 60},     {t::kColRetention, 30},  {t::kColDisposal, 70},
    {t::kColRemarks, 70}};

constexpr ListColumn kRetentionChangeColumns[] = {
    {t::kColSection, 80},         {t::kColSubsection, 80},     {t::kColMajor, 100},
    {t::kColMiddle, 100},         {t::kColMinor, 100},         {t::kColSerial, 30},
    {t::kColTitle, 300},          {t::kColFilingStart, 70},    {t::kColFilingEnd, 70},
    {t::kColRetentionBefore, 50}, {t::kColRetentionAfter, 50}, {t::kColReason, 200}};

constexpr ListColumn kIndexColumns[] = {{t::kColReceived, 100},
                                        {t::kColDocumentNumber, 80},
                                        {t::kColDocumentName, 500},
                                        {t::kColRemarks, 200}};

constexpr ListColumn kRelatedFileColumns[] = {{t::kColFile, 500},
                                              {t::kColValidity, 50},
                                              {t::kColFileType, 150},
                                              {t::kColLastUpdate, 160},
                                              {t::kColFolder, 300}};

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

const std::array<RegisterTabInfo, kRegisterTabCount> kTabs = {{
    {RegisterTab::titleRegister, t::kTabTitleRegister, t::kTabTitleRegister, kTitleRegisterColumns,
     kTitleRegisterCommands, kTitleRegisterNeedSelection, true, C::registerSelectAll,
     C::fileManager, kNone, 'F'},
    {RegisterTab::volumes, t::kTabVolumes, t::kTabVolumes, kVolumeColumns, kVolumeCommands,
     kVolumeNeedSelection, true, C::volumeSelectAll, C::fileManager, C::volumeExtract, 'T'},
    {RegisterTab::permanent, t::kTabPermanent, t::kMenuPermanent, kPermanentColumns,
     kPermanentCommands, kPermanentNeedSelection, true, C::permanentSelectAll, kNone,
     C::permanentExtract, 'T'},
    {RegisterTab::disposed, t::kTabDisposed, t::kMenuDisposed, kVolumeColumns, kDisposedCommands,
     kDisposedNeedSelection, true, C::disposedSelectAll, kNone, C::disposedExtract, 'T'},
    {RegisterTab::retentionChange, t::kTabRetentionChange, t::kTabRetentionChange,
     kRetentionChangeColumns, kChangeFormCommands, kChangeFormNeedSelection, true,
     C::changeFormSelectAll, kNone, C::changeFormExtract, 'T'},
    {RegisterTab::indexCatalogue,
     t::kTabIndexCatalogue,
     t::kTabIndexCatalogue,
     kIndexColumns,
     kIndexCommands,
     {},
     true,
     kNone,
     C::fileManager,
     kNone,
     'F'},
    {RegisterTab::relatedFiles,
     t::kTabRelatedFiles,
     t::kTabRelatedFiles,
     kRelatedFileColumns,
     kRelatedFileCommands,
     {},
     false,
     kNone,
     C::fileManager,
     kNone,
     'F'},
}};

}  // namespace

const RegisterTabInfo& registerTabInfo(RegisterTab tab) { return kTabs[tabIndex(tab)]; }

const RegisterTabInfo& registerTabInfo(int tab) { return kTabs.at(static_cast<size_t>(tab)); }

}  // namespace bunrako
