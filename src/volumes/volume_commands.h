#pragma once

#include "common/ole_date_time.h"
#include "volumes/doc_master_data.h"

namespace bunrako {

class CDocMasterList;
class CShokiSetteiData;

// The commands of the volume list that store what the entry dialog returns:
// register (登録), change (変更) and delete (削除).

// The record the register command opens the dialog with: the defaults of a
// new volume, created and filed in today's fiscal year under the settings'
// management period, in the settings' department and section.
CDocMasterData newVolumeToRegister(const OleDateTime& today, const CShokiSetteiData& settings);

// Stores a registered volume (re-read, replace or append, folder tree, sort,
// write) through the list of the volume file, which holds the file's
// volumes afterwards. 1 on success.
bool registerVolume(const CDocMasterData& volume, CDocMasterList& list);

struct VolumeChangeResult {
    // The edited volume was stored.
    bool stored = false;
    // The index catalogue data went to the edited volume's folder (also true
    // when there was none, or the folder stayed the same).
    bool catalogueCarried = false;
    // The volume as it was before was removed as asked.
    bool removedBefore = false;

    int result() const { return stored && catalogueCarried ? 1 : 0; }
};

// Stores the edited volume, copies its index catalogue data from the folder
// of the volume as it was to the folder of the edited one, and, when asked
// (変更前データを削除する) and the edit changed the department, section,
// creation year or title, removes the volume as it was. Nothing after a
// step that failed is done: the volume as it was is never removed while
// the edited one is not stored or its catalogue was not carried over.
VolumeChangeResult changeVolume(const CDocMasterData& before, const CDocMasterData& edited,
                                bool removeBefore, CDocMasterList& list);

// Removes one volume the user confirmed (the seven-field match of Remove).
// 1 when a volume was removed.
bool deleteVolume(const CDocMasterData& volume, CDocMasterList& list);

}  // namespace bunrako
