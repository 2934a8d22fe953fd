// The life of a main window: its load step, clock and the end of the program.
#include <gtest/gtest.h>
#include <gtkmm/popovermenubar.h>

#include <utility>
#include <vector>

#include "app/clock_text.h"
#include "support/main_loop.h"
#include "support/test_program.h"
#include "support/widget_geometry.h"

namespace tarravelle {
namespace {

TEST(Form1Life, LoadWithoutStoredHomePageHandsTheEngineAnEmptyAddress) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  EXPECT_EQ(form.homepage, "");
  EXPECT_EQ(test.Page().calls, std::vector<std::string>{"Navigate()"});
  EXPECT_TRUE(test.Pane().calls.empty());
  EXPECT_EQ(std::string(form.lblcaption2.get_text()), "Popups NOT Allowed -");
  EXPECT_FALSE(form.Menu("mnuFileWorkOffline").Checked());
  EXPECT_EQ(test.quits, 0);
}

TEST(Form1Life, TheWindowPreparedDuringTheSplashIsTheOneShownAndOnlyOneIsEverPrepared) {
  test::TestProgram test;
  test.program().PrepareMainWindow();
  EXPECT_TRUE(test.program().Windows().empty());
  EXPECT_EQ(test.Page().calls, std::vector<std::string>{"Prepare"});
  Form1& form = test.ShowMainWindow();
  EXPECT_TRUE(form.get_visible());
  EXPECT_EQ(test.Page().calls, (std::vector<std::string>{"Prepare", "Navigate()"}));
  // Once a window is shown nothing more is prepared, and the next window is made afresh.
  test.program().PrepareMainWindow();
  EXPECT_THROW(test.Page(1), std::out_of_range);
  test.ShowMainWindow();
  EXPECT_TRUE(test.Page(1).calls == std::vector<std::string>{"Navigate()"});
}

TEST(Form1Life, StoredHomePageIsPassedExactlyAsStoredForThisProgramFolderOnly) {
  // The application name of the entry is the program's folder.
  test::TestProgram test;
  test.dir.Write("settings.ini", "[elsewhere\\HP]\nHP=wrong.example\n[" + test.folder() +
                                     "\\HP]\nHP=www.example.org\n[" + test.folder() +
                                     "\\Other]\nHP=other.example\n");
  Form1& form = test.ShowMainWindow();
  EXPECT_EQ(form.homepage, "www.example.org");
  EXPECT_EQ(test.Page().calls, std::vector<std::string>{"Navigate(www.example.org)"});
}

TEST(Form1Life, RefusedHomePageStillOpensTheWindow) {
  test::TestProgram test;
  test.dir.Write("settings.ini", "[" + test.folder() + "\\HP]\nHP=http:// nowhere\n");
  // The first engine made is the page view; refuse everything it is asked.
  Form1& form = test.ShowMainWindow();
  test.Page().accept = false;
  form.Form_Load();
  EXPECT_EQ(std::string(form.lblcaption2.get_text()), "Popups NOT Allowed -");
  EXPECT_FALSE(form.Menu("mnuFileWorkOffline").Checked());
}

TEST(Form1Life, LoadLeavesThePopupLabelAloneOnceTheSwitchHasChanged) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  form.Menu("mnuFileWorkOffline").SetChecked(true);
  form.cmdPopups.SetCaption("Pop-ups Enabled");
  form.lblcaption2.set_text("Allowing Popups");
  form.Form_Load();
  EXPECT_EQ(std::string(form.lblcaption2.get_text()), "Allowing Popups");
  EXPECT_FALSE(form.Menu("mnuFileWorkOffline").Checked());
}

TEST(Form1Life, ClockShowsTimeAndDateFromTheFirstTickOn) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  EXPECT_EQ(std::string(form.lblTimer.get_text()), "Time");
  EXPECT_EQ(std::string(form.lblDate.get_text()), "Date");
  // The window's own timer ticks after a second.
  ASSERT_TRUE(test::PumpUntil([&] { return form.lblTimer.get_text() != "Time"; }, 5000));
  const auto now = Glib::DateTime::create_now_local();
  EXPECT_EQ(std::string(form.lblDate.get_text()), DateText(now));
  const auto earlier = now.add_seconds(-1);
  const std::string shown = form.lblTimer.get_text();
  EXPECT_TRUE(shown == TimeText(now) || shown == TimeText(earlier)) << shown;
}

TEST(ClockText, UsesTheLocalesTimeAndShortDate) {
  const auto when = Glib::DateTime::create_local(2026, 12, 8, 14, 5, 9);
  // The C locale of the tests: 24-hour time with seconds, month/day/year.
  EXPECT_EQ(TimeText(when), "14:05:09");
  EXPECT_EQ(DateText(when), "12/08/26");
}

TEST(ClockText, TicksJustAfterEachSecondBegins) {
  for (const auto& [microsecond, wait] :
       std::vector<std::pair<int, unsigned>>{{0, 1005}, {400000, 605}, {999999, 6}}) {
    const auto when = Glib::DateTime::create_local(2026, 12, 8, 14, 5, 9 + microsecond / 1e6);
    EXPECT_EQ(MsUntilNextTick(when), wait) << microsecond;
  }
}

TEST(Form1Life, ClickingTheTimeChangesNothing) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  form.Timer1_Timer();
  const std::string time = form.lblTimer.get_text();
  form.lblTimer_Click();
  EXPECT_EQ(std::string(form.lblTimer.get_text()), time);
  EXPECT_EQ(test.quits, 0);
}

TEST(Form1Life, FileCloseStopsAndClosesThePlayerThenEndsTheProgram) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  std::vector<std::string> steps;
  form.cmdstop2.signal_clicked().connect(
      [&] { steps.push_back("stop, quits=" + std::to_string(test.quits)); });
  form.cmdclose2.signal_clicked().connect(
      [&] { steps.push_back("close, quits=" + std::to_string(test.quits)); });
  // Still runs with the player panel hidden.
  form.cmdstop2.set_visible(false);
  form.cmdclose2.set_visible(false);
  form.Menu("mnuFileClose").Click();
  EXPECT_EQ(steps, (std::vector<std::string>{"stop, quits=0", "close, quits=0"}));
  EXPECT_EQ(test.quits, 1);
  EXPECT_TRUE(test.program().Ended());
  EXPECT_FALSE(form.get_visible());
}

TEST(Form1Life, ClosingASecondWindowEndsTheWholeProgramOnce) {
  test::TestProgram test;
  Form1& first = test.ShowMainWindow();
  Form1& second = test.ShowMainWindow();
  EXPECT_EQ(test.program().FirstWindow(), &first);
  second.close();
  EXPECT_EQ(test.quits, 1);
  EXPECT_FALSE(first.get_visible());
  EXPECT_FALSE(second.get_visible());
  // A further close after the end does nothing more.
  first.Menu("mnuFileClose").Click();
  EXPECT_EQ(test.quits, 1);
}

TEST(Form1Life, ASecondWindowStartsFromTheDesignWhateverTheFirstShows) {
  test::TestProgram test;
  Form1& first = test.ShowMainWindow();
  first.Menu("mnuTarravelle").SetChecked(false);
  first.cmdPopups.SetCaption("Pop-ups Enabled");
  first.cmdBack.set_sensitive(true);
  first.cboURL.append("example.org");
  Form1& second = test.ShowMainWindow();
  EXPECT_TRUE(second.Menu("mnuTarravelle").Checked());
  EXPECT_EQ(second.cmdPopups.Caption(), "Pop-ups Disabled");
  EXPECT_FALSE(second.cmdBack.get_sensitive());
  EXPECT_EQ(second.cboURL.ItemCount(), 0u);
  EXPECT_NE(first.LookScope(), second.LookScope());
  EXPECT_EQ(test.Page(1).calls, std::vector<std::string>{"Navigate()"});
}

// Closing with downloads running asks first; No keeps the window, Yes cancels them and closes.
TEST(Form1Life, ClosingWithDownloadsRunningAsksFirst) {
  for (const auto answer : {MsgResult::No, MsgResult::Yes}) {
    test::TestProgram test;
    Form1& form = test.ShowMainWindow();
    test.Page().downloads = 2;
    test.prompts.msgAnswers.push_back(answer);
    form.Menu("mnuFileClose").Click();
    ASSERT_EQ(test.prompts.asked.size(), 1u);
    EXPECT_EQ(test.prompts.asked[0].text,
              "2 downloads are still running. Cancel them and close Tarravelle?");
    EXPECT_EQ(test.quits, answer == MsgResult::Yes ? 1 : 0);
  }
}

TEST(Form1Life, EnterInTheAddressBarRunsTheGoButton) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  ASSERT_TRUE(test::PumpUntil([&] { return form.get_mapped(); }));
  int goes = 0;
  form.cmdGo.signal_clicked().connect([&] { ++goes; });
  test::PressEnterIn(*form.cboURL.get_entry());
  // A button pressed from the keyboard reports its click once it has shown itself pressed.
  ASSERT_TRUE(test::PumpUntil([&] { return goes == 1; }, 3000));
}

TEST(Form1Life, ResizingLeavesEveryControlWhereItWas) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  ASSERT_TRUE(test::PumpUntil([&] { return form.cmdGo.get_width() > 0; }));
  test::PumpFor(100);
  const auto goBefore = test::DrawnPosition(form.cmdGo, form.FormArea());
  const auto statusBefore = test::DrawnPosition(form.lblStatus, form.FormArea());
  const int statusWidth = form.lblStatus.get_width();
  const int formWidth = form.get_width();
  form.set_default_size(1400, 1000);
  ASSERT_TRUE(test::PumpUntil([&] { return form.get_width() > formWidth; }, 5000));
  test::PumpFor(100);
  EXPECT_EQ(test::DrawnPosition(form.cmdGo, form.FormArea()), goBefore);
  EXPECT_EQ(test::DrawnPosition(form.lblStatus, form.FormArea()), statusBefore);
  EXPECT_EQ(form.lblStatus.get_width(), statusWidth);
  EXPECT_EQ(statusWidth, 977);
}

}  // namespace
}  // namespace tarravelle

namespace tarravelle {
namespace {

// A menu of the bar that closes, by an item chosen or by Escape, leaves the focus on its title,
// where typed keys and Enter go nowhere: the focus goes back to the control the person left.
TEST(Form1Life, AClosedMenuGivesTheFocusBackToTheControlThePersonLeft) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  Gtk::PopoverMenuBar* bar = nullptr;
  for (std::vector<Gtk::Widget*> open{&form}; !open.empty() && !bar;) {
    Gtk::Widget* next = open.back();
    open.pop_back();
    bar = dynamic_cast<Gtk::PopoverMenuBar*>(next);
    for (auto* child = next->get_first_child(); child; child = child->get_next_sibling()) {
      open.push_back(child);
    }
  }
  ASSERT_NE(bar, nullptr);
  Gtk::Widget* edit = bar->get_first_child()->get_next_sibling();  // File, Edit, ...
  Gtk::Popover* menu = nullptr;
  for (auto* child = edit->get_first_child(); child && !menu; child = child->get_next_sibling()) {
    menu = dynamic_cast<Gtk::Popover*>(child);
  }
  ASSERT_NE(menu, nullptr);
  auto* address = form.cboURL.get_entry();
  ASSERT_TRUE(address->grab_focus());
  menu->popup();
  test::PumpFor(50);
  edit->grab_focus();
  menu->popdown();
  auto backInTheAddress = [&] {
    auto* focus = form.get_focus();
    return focus && (focus == address || focus->is_ancestor(*address));
  };
  EXPECT_TRUE(test::PumpUntil(backInTheAddress));
  // Left with Escape, GTK may hand the title the focus only once the menu has closed.
  edit->grab_focus();
  EXPECT_TRUE(test::PumpUntil(backInTheAddress));
}

}  // namespace
}  // namespace tarravelle
