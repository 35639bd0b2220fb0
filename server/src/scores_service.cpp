#include "scores_service.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "pages.h"
#include "platform/cp1251.h"
#include "query.h"
#include "result_query.h"

namespace vontra::scores {
namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr int64_t kMaxPage = 10'000;

Reply Text(int status, std::string text) {
  return {status, "text/plain; charset=utf-8",
          std::make_shared<const std::string>(std::move(text) + "\n")};
}

std::optional<int64_t> Number(const std::string& text, int64_t max) {
  int64_t value = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > max)
    return std::nullopt;
  return value;
}

std::shared_ptr<const std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::ostringstream data;
  data << in.rdbuf();
  return std::make_shared<const std::string>(data.str());
}

}  // namespace

ScoresService::ScoresService(ScoreStore& writes, ScoreStore& reads, ServiceOptions options,
                             Clock clock)
    : reads_(reads),
      options_(std::move(options)),
      clock_(std::move(clock)),
      limiter_(options_.resultsPerMinute),
      racePicture_(ReadFile(options_.assetsDir + "/screenshot-race.png")),
      writer_(writes, [this] { ++generation_; }) {}

void ScoresService::Handle(std::string_view method, std::string_view target,
                           const std::string& address, std::function<void(Reply)> done) {
  if (method != "GET" && method != "HEAD") return done(Text(405, "only GET"));
  const Target t = ParseTarget(target);
  const auto has = [&t](std::string_view key) { return t.params.find(key) != t.params.end(); };
  const auto param = [&t](std::string_view key) -> const std::string& {
    return t.params.find(key)->second;
  };
  if (t.path == "/") return done(HomePage());
  if (t.path == "/style.css")
    return done({200, "text/css; charset=utf-8", Cached("css", RenderStylesheet)});
  if (t.path == "/install") return done({200, kHtml, Cached("install", RenderInstallPage)});
  if (t.path == "/race.png") {
    if (!racePicture_) return done(Text(404, "no picture"));
    return done({200, "image/png", racePicture_});
  }
  if (t.path != "/cgi/version.pl") return done(Text(404, "not found"));
  if (!has("prg") || param("prg") != "Vontra") return done(Text(400, "unknown program"));
  if (has("hs")) {
    // A result is stored by a GET alone; a HEAD must not change anything.
    if (method != "GET") return done(Text(405, "results only by GET"));
    if (!has("inf")) return done(Text(400, "no result"));
    return HandleResult(param("inf"), address, done);
  }
  if (has("show")) {
    const auto type = has("type") ? Number(param("type"), 2) : std::optional<int64_t>(0);
    if (!type) return done(Text(400, "bad type"));
    const auto page = has("page") ? Number(param("page"), kMaxPage) : std::optional<int64_t>(0);
    if (!page) return done(Text(400, "bad page"));
    std::optional<std::string> name;
    if (has("name")) {
      name = DecodeLookupName(param("name"));
      if (!name) return done(Text(400, "bad name"));
    }
    return done(TablePage(static_cast<Period>(*type), *page, name ? &*name : nullptr));
  }
  done(Text(400, "unknown request"));
}

void ScoresService::HandleResult(std::string_view inf, const std::string& address,
                                 std::function<void(Reply)>& done) {
  const ResultDecoding decoded = DecodeResult(inf);
  if (!decoded.result) return done(Text(400, decoded.error));
  const int64_t now = clock_();
  if (!limiter_.Allow(address, now)) return done(Text(429, "too many results"));
  NewResult result{Cp1251ToUtf8(decoded.result->name), decoded.result->score,
                   Cp1251ToUtf8(decoded.result->extra), address, now};
  writer_.Submit(std::move(result), [done = std::move(done)](bool committed) {
    done(committed ? Text(200, "OK") : Text(503, "not stored, try again"));
  });
}

Reply ScoresService::TablePage(Period period, int64_t page, const std::string* name) {
  const auto render = [&] {
    TableView view{period, page, std::nullopt, std::nullopt, {}};
    const int64_t since = PeriodStart(period, clock_());
    std::lock_guard lock(readsMutex_);
    int64_t offset = page * kRowsPerPage;
    if (name != nullptr) {
      view.name = *name;
      view.nameRank = reads_.RankOf(since, *name);
      // The player's row with the ranks around it.
      if (view.nameRank) offset = std::max<int64_t>(0, *view.nameRank - 1 - 10);
      view.rows = reads_.Top(since, offset, view.nameRank ? 21 : 0);
    } else {
      view.rows = reads_.Top(since, offset, kRowsPerPage);
    }
    return RenderTablePage(view);
  };
  if (name != nullptr) return {200, kHtml, std::make_shared<const std::string>(render())};
  return {200, kHtml,
          Cached("table" + std::to_string(static_cast<int>(period)) + "/" + std::to_string(page),
                 render)};
}

Reply ScoresService::HomePage() {
  return {200, kHtml, Cached("home", [this] {
            std::lock_guard lock(readsMutex_);
            return RenderHomePage(reads_.Top(0, 0, 10));
          })};
}

std::shared_ptr<const std::string> ScoresService::Cached(
    const std::string& key, const std::function<std::string()>& render) {
  {
    std::lock_guard lock(cacheMutex_);
    const uint64_t generation = generation_.load();
    const int64_t minute = clock_() / 60;
    if (generation != cacheGeneration_ || minute != cacheMinute_) {
      cache_.clear();
      cacheGeneration_ = generation;
      cacheMinute_ = minute;
    }
    if (const auto it = cache_.find(key); it != cache_.end()) return it->second;
  }
  // Rendered outside the lock; two requests may render the same page once each.
  const uint64_t generation = generation_.load();
  auto page = std::make_shared<const std::string>(render());
  std::lock_guard lock(cacheMutex_);
  if (generation == cacheGeneration_) cache_[key] = page;
  return page;
}

}  // namespace vontra::scores
