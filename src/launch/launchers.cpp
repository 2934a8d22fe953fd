#include "launch/launchers.h"

namespace tarravelle {

std::string MailToAuthorCommand() { return std::string(kNewMessageCommand) + kAuthorAddress; }

Launchers::Launchers(Form1Controls& form, Shell* shell, Prompts& prompts,
                     std::function<void()> newWindow)
    : form_(form), shell_(shell), prompts_(prompts), newWindow_(std::move(newWindow)) {
  form.cmdMail.signal_clicked().connect([this] { cmdMail_Click(); });
  const std::pair<MenuName, void (Launchers::*)()> items[] = {
      {MenuName("mnuToolsMailNews"), &Launchers::mnuToolsMailNews_Click},
      {MenuName("mnuToolsAddressBook"), &Launchers::mnuToolsAddressBook_Click},
      {MenuName("mnuToolsInternetOption"), &Launchers::mnuToolsInternetOption_Click},
      {MenuName("mnuFileNewMessage"), &Launchers::mnuFileNewMessage_Click},
      {MenuName("mnuSendEmail"), &Launchers::mnuSendEmail_Click},
      {MenuName("mnuFileNewNewWindow"), &Launchers::mnuFileNewNewWindow_Click},
      {MenuName("mnuHelpWebsite"), &Launchers::mnuHelpWebsite_Click},
  };
  for (const auto& [name, handler] : items) {
    form.Menu(name).signal_click().connect([this, handler](int) { (this->*handler)(); });
  }
}

ShellResult Launchers::Start(const std::string& commandLine, WindowStyle style) {
  if (!shell_) return {false, "no programs can be started here"};
  return shell_->Start(commandLine, style);
}

void Launchers::StartOrSay(const std::string& commandLine, const std::string& what) {
  const ShellResult result = Start(commandLine, WindowStyle::NormalFocus);
  if (result.started) return;
  prompts_.MsgBox(&form_.window, "Tarravelle could not start " + what + ": " + result.why,
                  "Tarravelle", MsgIcon::Exclamation, MsgButtons::OK);
}

void Launchers::cmdMail_Click() { StartOrSay(kMailNewsCommand, "the mail and news program"); }
void Launchers::mnuToolsMailNews_Click() { cmdMail_Click(); }

// These three fail without a word, as they always have.
void Launchers::mnuToolsAddressBook_Click() {
  Start(kAddressBookCommand, WindowStyle::NormalFocus);
}
void Launchers::mnuFileNewMessage_Click() {
  Start(kNewMessageCommand, WindowStyle::MinimizedFocus);
}
void Launchers::mnuSendEmail_Click() { Start(MailToAuthorCommand(), WindowStyle::MinimizedFocus); }

void Launchers::mnuToolsInternetOption_Click() {
  StartOrSay(kInternetOptionsCommand, "the Internet options");
}

void Launchers::mnuFileNewNewWindow_Click() {
  if (newWindow_) newWindow_();
}

void Launchers::mnuHelpWebsite_Click() {
  prompts_.MsgBox(&form_.window, "Site is down temporary", "Website under construction",
                  MsgIcon::Information, MsgButtons::OK);
}

}  // namespace tarravelle
