// The launchers with a recording shell, New Window and Visit Website.
#include "launch/launchers.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace tarravelle {
namespace {

using Started = std::vector<std::pair<std::string, WindowStyle>>;

TEST(Launchers, EachLauncherGivesItsCommandLineAndStyle) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  form.cmdMail.Press();
  for (const char* item : {"mnuToolsMailNews", "mnuToolsAddressBook", "mnuToolsInternetOption",
                           "mnuFileNewMessage", "mnuSendEmail"}) {
    form.MenuNamed(item).Click();
  }
  const auto normal = WindowStyle::NormalFocus;
  const auto minimised = WindowStyle::MinimizedFocus;
  EXPECT_EQ(test.shell.started,
            (Started{{"C:\\Program Files\\Outlook Express\\MSIMN.EXE", normal},
                     {"C:\\Program Files\\Outlook Express\\MSIMN.EXE", normal},
                     {"C:\\Program Files\\Outlook Express\\wab.exe", normal},
                     {"rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl", normal},
                     {"explorer mailto:", minimised},
                     {"explorer mailto:developer@halvermoor.example", minimised}}));
  EXPECT_TRUE(test.prompts.asked.empty());
}

TEST(Launchers, OnlyMailAndInternetOptionsSayWhatCouldNotBeStarted) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  test.shell.result = {false, "nothing installed"};
  form.cmdMail.Press();
  form.Menu("mnuToolsInternetOption").Click();
  for (const char* item : {"mnuToolsAddressBook", "mnuFileNewMessage", "mnuSendEmail"}) {
    form.MenuNamed(item).Click();
  }
  ASSERT_EQ(test.prompts.asked.size(), 2u);
  EXPECT_EQ(test.prompts.asked[0].text,
            "Tarravelle could not start the mail and news program: nothing installed");
  EXPECT_EQ(test.prompts.asked[1].text,
            "Tarravelle could not start the Internet options: nothing installed");
}

TEST(Launchers, VisitWebsiteOnlyTellsThatTheSiteIsDown) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  test.Page().calls.clear();
  form.Menu("mnuHelpWebsite").Click();
  ASSERT_EQ(test.prompts.asked.size(), 1u);
  EXPECT_EQ(test.prompts.asked[0].text, "Site is down temporary");
  EXPECT_EQ(test.prompts.asked[0].title, "Website under construction");
  EXPECT_EQ(test.prompts.asked[0].icon, MsgIcon::Information);
  EXPECT_TRUE(test.Page().calls.empty());
}

TEST(Launchers, NewWindowOpensIndependentMainWindowsAndClosingAnyEndsTheProgram) {
  test::TestProgram test;
  Form1& first = test.ShowMainWindow();
  first.Menu("mnuFileNewNewWindow").Click();
  test.program().Windows().back()->Menu("mnuFileNewNewWindow").Click();
  ASSERT_EQ(test.program().Windows().size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(test.Page(i).calls.front(), "Navigate()") << i;  // each window's own load step
    EXPECT_TRUE(test.program().Windows()[i]->ClockRunning());
  }
  EXPECT_NE(test.program().Windows()[1]->LookScope(), test.program().Windows()[2]->LookScope());
  EXPECT_EQ(test.program().FirstWindow(), &first);
  test.program().Windows()[1]->close();
  EXPECT_EQ(test.quits, 1);
}

}  // namespace
}  // namespace tarravelle
