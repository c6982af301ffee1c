// Structure templates in the registry: subkeys "INFOMATION%d" of the program key.
#pragma once

#include "app/settings/settings_store.h"
#include "structs/structure.h"

// Reads "imnum" and the templates of the open program key into list. Without
// "imnum" the list is left untouched (its count stays unset). Otherwise the list
// is replaced by the templates read, in order, stopping at the first missing
// "INFOMATION%d" key or one without "text" or "info"; a template's members stop
// at the first missing or unusable member value. The count becomes the number
// read and minimumSize is recomputed. Nothing is reserved by the stored counts.
// Returns 0, or -1 after showing (stop icon) "ﾒﾓﾘを確保できません" or
// "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません".
int LoadStructures(RegistryStore& store, StoreKey programKey, StructureList& list);

// Writes every template as subkey "INFOMATION%d" of the open program key ("imnum"
// and "impos" are written by the settings save with the other values). Returns 0,
// or -1 at the first failure after showing its warning; what was written stays.
int SaveStructures(RegistryStore& store, StoreKey programKey, const StructureList& list);
