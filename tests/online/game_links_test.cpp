// The online operations on the whole game: what the state holds goes to the service and the
// desktop.
#include <gtest/gtest.h>

#include "online/payload_decoder.h"
#include "online/web_links.h"
#include "online/web_service.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

TEST(SubmitResult, SendsTheGameStateToTheConfiguredHost) {
  HeadlessGame game;
  TMForm& form = game.Form();
  form.PlayerName = "Rex";
  form.Score = 4321;
  form.ExtraText = "_______";
  SubmitResult(form);
  const auto& requests = game.Platform().http->Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(test::DecodeRequest(requests[0].Url, std::string(ServiceHost())),
            "type=0|name=Rex|score=4321|key=V|p=|add=_______|z=");
}

TEST(WebPages, HomePageAndWorldTableGoToTheShell) {
  HeadlessGame game;
  OpenLink(game.Form(), WebHomePage());
  OpenLink(game.Form(), WorldTablePage());
  const std::string host(ServiceHost());
  EXPECT_EQ(game.Platform().shell->Opened(),
            (std::vector<std::string>{host, host + "/cgi/version.pl?prg=Vontra&show&type=0"}));
}

}  // namespace
}  // namespace vontra
