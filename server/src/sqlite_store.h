#pragma once
#include <memory>
#include <string>

#include "score_store.h"

namespace vontra::scores {

// One database file in WAL mode, created and migrated on open.
std::unique_ptr<ScoreStore> OpenSqliteStore(const std::string& path);

}  // namespace vontra::scores
