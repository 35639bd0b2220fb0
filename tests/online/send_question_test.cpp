// The send question answered Yes at the end of a game, with the real HTTP client aimed at a
// loopback server that answers badly or not at all: the game goes on, back on the main menu,
// within the request's time-out.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "frontend/message_window.h"
#include "online/loopback_server.h"
#include "online/web_service.h"
#include "platform/posix/curl_http_client.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

using test::OneShotServer;

// The real client, with the configured service host swapped for the test's server.
class RedirectingClient : public IHttpClient {
 public:
  explicit RedirectingClient(std::string host) : host_(std::move(host)) {}
  bool Get(const std::string& url, const std::vector<std::string>& headers) override {
    const std::string configured(ServiceHost());
    std::string target = url;
    if (target.rfind(configured, 0) == 0) target = host_ + target.substr(configured.size());
    return client_.Get(target, headers);
  }

 private:
  std::string host_;
  CurlHttpClient client_;
};

void ClickSlot(HeadlessGame& game, int slot) {
  ASSERT_TRUE(game.ClickSlot(slot)) << "slot " << slot;
}

void Press(HeadlessGame& game, void (*hold)(InputStateSet&)) {
  InputStateSet keys;
  hold(keys);
  game.Press(keys);
}

// Car choice, race 1, a score for the table, the end-race question, the name: the send
// question is open.
void PlayToSendQuestion(HeadlessGame& game) {
  TMForm& form = game.Form();
  game.Create();
  ASSERT_TRUE(game.RunUntil([&] { return form.MenuIntroPhase == 0; }, 3000));
  ClickSlot(game, 1);
  ClickSlot(game, 7);
  ASSERT_EQ(form.ScreenState, ScreenStates::kRace);
  ASSERT_TRUE(game.RunUntil([&] { return form.WindowKind == WindowKinds::kNone; }, 1000));
  form.Score = 123456;
  Press(game, [](InputStateSet& k) { k.Escape = true; });
  Press(game, [](InputStateSet& k) { k.Yes = true; });
  ASSERT_EQ(form.WindowKind, WindowKinds::kNameEntry);
  for (char c : std::string("Max")) game.Type(static_cast<uint8_t>(c));
  game.Type(13);
  game.RunTicks(1);
  ASSERT_EQ(form.WindowKind, WindowKinds::kSendQuestion);
}

TEST(SendQuestion, AServerThatFailsLeavesTheGameOnTheMenuWithinTheTimeOut) {
  struct Case {
    const char* what;
    OneShotServer::Reply reply;
    bool refused;
    double atMostSeconds;
  };
  for (const Case& c : {Case{"silent", OneShotServer::Reply::Silent, false, 6.0},
                        Case{"garbage", OneShotServer::Reply::Garbage, false, 2.0},
                        Case{"refused", OneShotServer::Reply::Silent, true, 2.0}}) {
    SCOPED_TRACE(c.what);
    auto server = c.refused ? nullptr : std::make_unique<OneShotServer>(c.reply);
    const std::string host = c.refused ? OneShotServer::RefusingHost() : server->Host();
    HeadlessGame::Options options;
    options.Http = [host] { return std::make_unique<RedirectingClient>(host); };
    HeadlessGame game(options);
    PlayToSendQuestion(game);
    TMForm& form = game.Form();

    const auto start = std::chrono::steady_clock::now();
    Press(game, [](InputStateSet& k) { k.Yes = true; });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("[ %s server ] back on the menu after %.2f s\n", c.what, seconds);
    EXPECT_LT(seconds, c.atMostSeconds);
    EXPECT_EQ(form.ScreenState, ScreenStates::kMainMenu);
    EXPECT_EQ(form.WindowKind, WindowKinds::kNone);
    EXPECT_EQ(form.PlayerCar, nullptr);
    if (server) {
      EXPECT_EQ(server->Request().rfind("GET /cgi/version.pl?hs&prg=Vontra&inf=", 0), 0u);
    }
    // The game goes on: the menu's intro runs to its end and the high-score screen follows.
    EXPECT_TRUE(game.RunUntil([&] { return form.ScreenState == ScreenStates::kHighScores; }, 3000));
  }
}

}  // namespace
}  // namespace vontra
