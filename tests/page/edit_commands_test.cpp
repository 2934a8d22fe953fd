// The Edit menu with a fake engine: which control each command reaches, and the address bar's
// own actions.
#include "page/edit_commands.h"

#include <gdkmm/clipboard.h>
#include <gtest/gtest.h>

#include "support/clipboard_lock.h"
#include "support/main_loop.h"
#include "support/test_program.h"

namespace tarravelle {
namespace {

using Calls = std::vector<std::string>;

class EditCommandsTest : public testing::Test {
 protected:
  EditCommandsTest() : form_(test_.ShowMainWindow()), web_(test_.Page()) {}

  void FocusOn(const std::string& control) {
    if (control == "wWeb") {
      web_.Focus();
    } else if (control == "cboURL") {
      form_.cboURL.get_entry()->grab_focus();
    } else {
      form_.cmdHome.grab_focus();
    }
    web_.calls.clear();
  }

  Gtk::Entry& Address() { return *form_.cboURL.get_entry(); }

  test::TestProgram test_;
  Form1& form_;
  test::FakeEngine& web_;
};

TEST_F(EditCommandsTest, EachCommandReachesThePageOnlyWhereItsRuleSays) {
  struct Case {
    const char* item;
    Calls onPage, elsewhere;  // the engine calls with the focus on wWeb, and on cboURL or a button
  };
  const Case cases[] = {
      {"mnuEditUndo", {"ExecWB(15,0)"}, {}},
      {"mnuEditCut", {"Focus", "ExecWB(11,0)"}, {"Focus", "ExecWB(11,0)"}},
      {"mnuEditCopy", {"Focus", "ExecWB(12,0)"}, {"Focus", "ExecWB(12,0)"}},
      {"mnuEditPaste", {"ExecWB(13,0)"}, {}},
      {"mnuEditSelectAll", {"ExecWB(17,0)"}, {}},
      {"mnuEditSelectNone", {"ExecWB(18,0)"}, {}},
      {"mnuEditFind", {"Focus", "OpenFind"}, {"Focus", "OpenFind"}},
  };
  for (const auto& c : cases) {
    for (const std::string focus : {"wWeb", "cboURL", "cmdHome"}) {
      SCOPED_TRACE(std::string(c.item) + " with the focus on " + focus);
      FocusOn(focus);
      form_.MenuNamed(c.item).Click();
      test::PumpFor(20);  // Find opens the engine's find after the handler has returned
      EXPECT_EQ(web_.calls, focus == "wWeb" ? c.onPage : c.elsewhere);
    }
  }
  // Copy leaves the focus on the page.
  FocusOn("cboURL");
  form_.Menu("mnuEditCopy").Click();
  EXPECT_EQ(form_.ActiveControl(), "wWeb");
}

TEST_F(EditCommandsTest, AddressBarSelectsAllSelectsNoneAndPastesOverItsSelection) {
  test::ClipboardLock clipboardLock;
  FocusOn("cboURL");
  Address().set_text("http://example.org/");
  form_.Menu("mnuEditSelectAll").Click();
  int start = 0, end = 0;
  ASSERT_TRUE(Address().get_selection_bounds(start, end));
  EXPECT_EQ(std::pair(start, end), std::pair(0, 19));
  form_.Menu("mnuEditSelectNone").Click();
  EXPECT_FALSE(Address().get_selection_bounds(start, end));
  EXPECT_EQ(Address().get_position(), 19);

  // Tests running side by side share the display's clipboard, so each try sets it afresh.
  const auto pasteOver = [&](const char* text, const std::string& before, int from, int to,
                             const std::string& after) {
    return test::PumpUntil(
        [&] {
          Address().set_text(before);
          if (text) {
            Address().get_clipboard()->set_text(text);
          } else {
            Address().get_clipboard()->unset_content();
          }
          Address().select_region(from, to);
          form_.Menu("mnuEditPaste").Click();
          test::PumpFor(100);
          return std::string(Address().get_text()) == after;
        },
        5000);
  };
  EXPECT_TRUE(pasteOver("www.other", "http://example.org/", 7, 18, "http://www.other/"));
  // A clipboard without text deletes the selection.
  EXPECT_TRUE(pasteOver(nullptr, "http://www.other/", 0, 7, "www.other/"));
  EXPECT_TRUE(web_.calls.empty());
  EXPECT_TRUE(form_.cboURL.ItemCount() == 0);
}

}  // namespace
}  // namespace tarravelle
