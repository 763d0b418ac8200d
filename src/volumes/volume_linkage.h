#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "volumes/doc_master_data.h"

namespace bunrako {

class CShokiSetteiData;
class Prompt;
class Shell;

// The three volume tabs that hand their chosen rows to other programs.
enum class VolumeLinkageTab { volumeList, permanentLedger, disposedList };

// The linkage file the settings name for the tab.
const std::string& VolumeLinkFile(const CShokiSetteiData& settings, VolumeLinkageTab tab);

// The volume list's extra step: appends the index catalogues of the chosen
// volumes (in their order) to the catalogue linkage files. Returns false
// when it failed; it has then told the user why, and the command stops.
using CatalogueLinkageStep = std::function<bool(std::span<const CDocMasterData> volumes)>;

// Data linkage of the chosen volumes (in list order): writes DocMaster.csv
// and DocMasterWord.csv into folder (the data folder), runs the catalogue
// step for the volume list, then opens the tab's linkage file when the
// spreadsheet is in use. Nothing happens without volumes. 1 when the files
// were written (and the step succeeded).
int VolumeDataLinkage(Prompt& prompt, Shell& shell, const CShokiSetteiData& settings,
                      const std::filesystem::path& folder, std::span<const CDocMasterData> volumes,
                      VolumeLinkageTab tab, const CatalogueLinkageStep& catalogueStep = {});

// Title printing of the chosen volumes: writes both files, then, when the
// word processor is in use and the user agrees, prints the title form: a
// 一太郎 form (jtd) through the desktop's print action, a Word form (doc)
// by starting the word processor with the merge macro, any other form
// through the desktop's open action. 1 when the files were written.
int PrintVolumeTitles(Prompt& prompt, Shell& shell, const CShokiSetteiData& settings,
                      const std::filesystem::path& folder, std::span<const CDocMasterData> volumes);

}  // namespace bunrako
