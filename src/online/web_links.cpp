#include "online/web_links.h"

#include "app/mform.h"

namespace vontra {

// The configured host may carry its scheme already.
std::string WebHomePage() {
  const std::string host = VONTRA_SERVICE_HOST;
  return host.rfind("http://", 0) == 0 || host.rfind("https://", 0) == 0 ? host : "http://" + host;
}

std::string WorldTablePage() {
  return WebHomePage() + "/cgi/version.pl?prg=Vontra&show&type=0";
}

void OpenLink(TMForm& form, const std::string& target) {
  form.platform.shell->Open(target);
}

void OpenPlayLink(TMForm& form) {
  if (form.platform.files->Exists("play.url")) OpenLink(form, "play.url");
}

}  // namespace vontra
