#pragma once
#include <memory>
#include <string>

#include "score_store.h"

namespace vontra::scores {

// A PostgreSQL database given by a libpq connection URL; migrated on open. A lost connection
// is opened again on the next call.
std::unique_ptr<ScoreStore> OpenPostgresStore(const std::string& url);

}  // namespace vontra::scores
