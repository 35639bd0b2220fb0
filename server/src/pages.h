#pragma once
// The service's HTML: the world table and the home page, rendered on the server with one
// stylesheet and no script. Every text from a player is escaped.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "score_store.h"

namespace vontra::scores {

std::string EscapeHtml(std::string_view text);

struct TableView {
  Period period = Period::kAllTime;
  int64_t page = 0;                 // hundreds skipped
  std::optional<std::string> name;  // the player looked up, when any
  std::optional<int64_t> nameRank;  // their rank, when they have one
  std::vector<TableRow> rows;
};

inline constexpr int64_t kRowsPerPage = 100;

std::string RenderTablePage(const TableView& view);
std::string RenderHomePage(const std::vector<TableRow>& top);
std::string RenderInstallPage();
std::string RenderStylesheet();

}  // namespace vontra::scores
