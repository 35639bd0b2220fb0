#include "scores_service.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
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
// Reads run below the writer and the network threads (see WorkPool).
constexpr int kReadNiceness = 5;

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

// A database's message, which may quote what a client sent, as one printable line.
std::string OneLine(std::string_view text) {
  std::string out;
  for (const char c : text.substr(0, 300)) {
    out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
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
      stylesheet_(std::make_shared<const std::string>(RenderStylesheet())),
      installPage_(std::make_shared<const std::string>(RenderInstallPage())),
      sync_(ranking_, clock_, options_.maxTableAge),
      cache_(options_.pageCacheBytes),
      pool_(options_.readThreads, options_.maxQueuedReads, kReadNiceness),
      writer_(writes, [this] { AfterCommit(); }) {
  sync_.CatchUp(reads_);
}

void ScoresService::Handle(std::string_view method, std::string_view target,
                           const std::string& address, Done done) {
  if (method != "GET" && method != "HEAD") return done(Text(405, "only GET"));
  const Target t = ParseTarget(target);
  const auto has = [&t](std::string_view key) { return t.params.find(key) != t.params.end(); };
  const auto param = [&t](std::string_view key) -> const std::string& {
    return t.params.find(key)->second;
  };
  if (t.path == "/") {
    return CachedPage(
        "home", [this] { return RenderHomePage(ranking_.Rows(Period::kAllTime, 0, 10)); }, done);
  }
  if (t.path == "/style.css") return done({200, "text/css; charset=utf-8", stylesheet_});
  if (t.path == "/install") return done({200, kHtml, installPage_});
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
    if (has("name")) {
      std::optional<std::string> name = DecodeLookupName(param("name"));
      if (!name) return done(Text(400, "bad name"));
      return LookupPage(static_cast<Period>(*type), std::move(*name), done);
    }
    return TablePage(static_cast<Period>(*type), *page, done);
  }
  done(Text(400, "unknown request"));
}

void ScoresService::HandleResult(std::string_view inf, const std::string& address, Done& done) {
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

void ScoresService::TablePage(Period period, int64_t page, Done& done) {
  CachedPage(
      "table" + std::to_string(static_cast<int>(period)) + "/" + std::to_string(page),
      [this, period, page] {
        return RenderTablePage({period, page, std::nullopt, std::nullopt,
                                ranking_.Rows(period, page * kRowsPerPage, kRowsPerPage)});
      },
      done);
}

void ScoresService::LookupPage(Period period, std::string name, Done& done) {
  Offload(done, [this, period, name = std::move(name)] {
    TableView view{period, 0, name, ranking_.RankOf(period, name), {}};
    // The player's row with the ranks around it.
    if (view.nameRank)
      view.rows = ranking_.Rows(period, std::max<int64_t>(0, *view.nameRank - 1 - 10), 21);
    return Reply{200, kHtml, std::make_shared<const std::string>(RenderTablePage(view))};
  });
}

void ScoresService::CachedPage(std::string key, std::function<std::string()> render, Done& done) {
  // The common case, a fresh table and a page already made, is answered right here.
  if (sync_.Fresh()) {
    if (auto page = cache_.Find(key, ranking_.Version())) return done({200, kHtml, page});
  }
  Offload(done, [this, key = std::move(key), render = std::move(render)] {
    return Reply{200, kHtml, cache_.Get(key, ranking_.Version(), render)};
  });
}

void ScoresService::Offload(Done& done, std::function<Reply()> work) {
  auto answer = std::make_shared<Done>(std::move(done));
  const bool queued = pool_.TrySubmit([this, answer, work = std::move(work)] {
    Reply reply;
    try {
      sync_.EnsureFresh(reads_);
      reply = work();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "vontra-scores: reading the table failed: %s\n",
                   OneLine(e.what()).c_str());
      reply = Text(503, "table unavailable, try again");
    }
    (*answer)(std::move(reply));
  });
  if (!queued) (*answer)(Text(503, "busy, try again"));
}

void ScoresService::AfterCommit() {
  // The results just committed are on the next page this instance serves.
  sync_.Invalidate();
}

}  // namespace vontra::scores
