// The desktop's shell against an application registry of stand-in programs: the test home
// that tests/CMakeLists.txt writes and every test program uses.
#include "platform/desktop_shell.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "support/main_loop.h"
#include "support/temp_dir.h"

namespace tarravelle {
namespace {

class DesktopShellTest : public testing::Test {
 protected:
  DesktopShellTest() { g_setenv("TARRAVELLE_LAUNCH_LOG", log_.c_str(), TRUE); }

  // What the stand-ins have noted, once they have noted `lines` launches.
  std::string Launched(size_t lines) {
    std::string text;
    test::PumpUntil(
        [&] {
          std::ifstream file(log_);
          text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
          return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) >= lines;
        },
        5000);
    return text;
  }

  test::TempDir dir_;
  std::string log_ = dir_.File("launches.log");
};

TEST_F(DesktopShellTest, MailAddressBookAndMailtoLinksStartTheDesktopsPrograms) {
  DesktopShell shell;
  EXPECT_TRUE(shell.Start("C:\\Program Files\\Outlook Express\\MSIMN.EXE", WindowStyle::NormalFocus)
                  .started);
  EXPECT_TRUE(
      shell.Start("C:\\Program Files\\Outlook Express\\wab.exe", WindowStyle::NormalFocus).started);
  EXPECT_TRUE(
      shell.Start("explorer mailto:developer@halvermoor.example", WindowStyle::MinimizedFocus)
          .started);
  const std::string launched = Launched(3);
  EXPECT_NE(launched.find("mail\n"), std::string::npos) << launched;
  EXPECT_NE(launched.find("contacts\n"), std::string::npos) << launched;
  EXPECT_NE(launched.find("mail mailto:developer@halvermoor.example\n"), std::string::npos)
      << launched;
}

TEST_F(DesktopShellTest, WhatCannotBeStartedSaysWhy) {
  DesktopShell shell({"no-such-settings.desktop"});
  const auto options =
      shell.Start("rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl", WindowStyle::NormalFocus);
  EXPECT_FALSE(options.started);
  EXPECT_EQ(options.why, "no network settings program is installed");
  const auto unknown = shell.Start("C:\\WINDOWS\\notepad.exe", WindowStyle::NormalFocus);
  EXPECT_FALSE(unknown.started);
  EXPECT_FALSE(unknown.why.empty());
  EXPECT_FALSE(shell.Start("explorer nowhere", WindowStyle::MinimizedFocus).started);
}

}  // namespace
}  // namespace tarravelle
