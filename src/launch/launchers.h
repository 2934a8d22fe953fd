#pragma once

#include <sigc++/trackable.h>

#include <functional>
#include <string>

#include "ports/prompts.h"
#include "ports/shell.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The command lines the launchers give the shell, exactly as the program has always given them.
inline constexpr const char* kMailNewsCommand = "C:\\Program Files\\Outlook Express\\MSIMN.EXE";
inline constexpr const char* kAddressBookCommand = "C:\\Program Files\\Outlook Express\\wab.exe";
inline constexpr const char* kInternetOptionsCommand =
    "rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl";
inline constexpr const char* kNewMessageCommand = "explorer mailto:";
// The program's maker, whom Send Email and the about dialog's Email write to.
inline constexpr const char* kAuthorAddress = "developer@halvermoor.example";

// "explorer mailto:" and the maker's address: a new message to the maker.
std::string MailToAuthorCommand();

// The items and the button that hand work to other programs, open a further main window, or
// tell that the website is down.
class Launchers : public sigc::trackable {
 public:
  // `shell` may be null: nothing can be started then. `newWindow` opens a further main window.
  Launchers(Form1Controls& form, Shell* shell, Prompts& prompts, std::function<void()> newWindow);

  void cmdMail_Click();
  void mnuToolsMailNews_Click();
  void mnuToolsAddressBook_Click();
  void mnuToolsInternetOption_Click();
  void mnuFileNewMessage_Click();
  void mnuSendEmail_Click();
  void mnuFileNewNewWindow_Click();
  void mnuHelpWebsite_Click();

 private:
  ShellResult Start(const std::string& commandLine, WindowStyle style);
  // Starts a program whose failure the person is told of, naming what could not be started.
  void StartOrSay(const std::string& commandLine, const std::string& what);

  Form1Controls& form_;
  Shell* shell_;
  Prompts& prompts_;
  std::function<void()> newWindow_;
};

}  // namespace tarravelle
