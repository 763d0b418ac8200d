#pragma once

#include <filesystem>

namespace bunrako {

class Prompt;

// Earlier releases kept a volume's catalogue in …\タイトル\<year folder>;
// it now lives in …\タイトル\索引目録データ\<year folder>. When the old
// folder holds a catalogue file, its whole content is copied into the new
// folder and the old folder is deleted. Nothing is lost on the way: a file
// that would replace a different file of the same name, or a copy that
// fails, leaves the old folder where it is, and the clerk is told.
void moveOldCatalogueFolder(const std::filesystem::path& oldFolder,
                            const std::filesystem::path& newFolder, Prompt& prompt);

}  // namespace bunrako
