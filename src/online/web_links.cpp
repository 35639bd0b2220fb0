#include "online/web_links.h"

#include "app/mform.h"
#include "online/link_file.h"
#include "online/web_service.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace vontra {

std::string WebHomePage() {
  return HomePageUrl(ServiceHost());
}

std::string WorldTablePage() {
  return WorldTableUrl(ServiceHost());
}

void OpenLink(IFiles& files, IShell& shell, std::string_view target) {
  if (!IsLinkFileName(target)) {
    shell.Open(std::string(target));
    return;
  }
  const auto contents = files.ReadAll(std::string(target));
  if (!contents) return;
  const auto address = ParseLinkFile(
      std::string_view(reinterpret_cast<const char*>(contents->data()), contents->size()));
  if (address) shell.Open(*address);
}

void OpenPlayLink(IFiles& files, IShell& shell) {
  if (files.Exists("play.url")) OpenLink(files, shell, "play.url");
}

void OpenLink(TMForm& form, const std::string& target) {
  OpenLink(*form.platform.files, *form.platform.shell, target);
}

void OpenPlayLink(TMForm& form) {
  OpenPlayLink(*form.platform.files, *form.platform.shell);
}

void SubmitResult(TMForm& form) {
  SendResult(form.MIdHTTP, ServiceHost(), form.PlayerName, form.Score, form.ExtraText);
}

}  // namespace vontra
