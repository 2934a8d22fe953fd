// Engine events on the status line, in the caption and in the address bar.
#include "browse/status_line.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace tarravelle {
namespace {

TEST(ProgressText, ShowsBothNumbersExactlyWithTwoSpacesAroundOf) {
  EXPECT_EQ(ProgressText(2048, 10000), "Reading 2048  of  10000");
  EXPECT_EQ(ProgressText(-1, 10000), "Reading -1  of  10000");
  EXPECT_EQ(ProgressText(0, 0), "Reading 0  of  0");
  EXPECT_EQ(ProgressText(20000, 100), "Reading 20000  of  100");
  EXPECT_EQ(ProgressText(INT32_MIN, INT32_MAX), "Reading -2147483648  of  2147483647");
}

TEST(TitleCaption, TrimsOnlySpacesAndAddsTheProgramTitle) {
  EXPECT_EQ(TitleCaption("  My Page  "), "My Page - Tarravelle.™");
  EXPECT_EQ(TitleCaption(""), " - Tarravelle.™");
  EXPECT_EQ(TitleCaption("   "), " - Tarravelle.™");
  EXPECT_EQ(TitleCaption("\tTabbed\t"), "\tTabbed\t - Tarravelle.™");
  EXPECT_EQ(TitleCaption("a  b"), "a  b - Tarravelle.™");
}

TEST(StatusLineEvents, EachEventWritesItsTextIntoItsOwnWindowOnly) {
  test::TestProgram test;
  Form1& first = test.ShowMainWindow();
  Form1& second = test.ShowMainWindow();
  auto& web = test.Page(0);
  web.locationURL = "http://example.org/page";
  web.locationName = "Example page";

  web.DownloadBegin.emit();
  EXPECT_EQ(std::string(first.lblStatus.get_text()), "Starting Download");
  web.ProgressChange.emit(2048, 10000);
  EXPECT_EQ(std::string(first.lblStatus.get_text()), "Reading 2048  of  10000");
  web.StatusTextChange.emit("Opening page http://example.org/page...");
  EXPECT_EQ(std::string(first.lblStatus.get_text()), "Opening page http://example.org/page...");
  web.StatusTextChange.emit("");
  EXPECT_EQ(std::string(first.lblStatus.get_text()), "");
  web.TitleChange.emit("  Example page ");
  EXPECT_EQ(std::string(first.get_title()), "Example page - Tarravelle.™");
  web.NavigateComplete2.emit(EngineFrame{false}, "http://example.org/frame");
  EXPECT_EQ(std::string(first.lblStatus.get_text()), "Done Loading!");
  EXPECT_EQ(std::string(first.get_title()), "Example page");
  web.DownloadComplete.emit();
  EXPECT_EQ(std::string(first.lblStatus.get_text()), "Download Done!");

  first.cboURL.get_entry()->set_text("half-typed");
  web.DocumentComplete.emit(EngineFrame{false}, "http://example.org/frame");
  EXPECT_EQ(std::string(first.lblStatus.get_text()), "Done");
  EXPECT_EQ(std::string(first.cboURL.get_entry()->get_text()), "http://example.org/page");
  EXPECT_EQ(first.cboURL.ItemCount(), 0u);
  EXPECT_EQ(std::string(first.get_title()), "Example page");

  EXPECT_EQ(std::string(second.lblStatus.get_text()), "Done");
  EXPECT_EQ(std::string(second.get_title()), "Tarravelle™ - Web Browser");
  EXPECT_EQ(std::string(second.cboURL.get_entry()->get_text()), "");
}

TEST(StatusLineEvents, UnreadableLocationLeavesCaptionAndAddressAsTheyWere) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  form.cboURL.get_entry()->set_text("typed");
  test.Page().DocumentComplete.emit(EngineFrame{}, "http://x/");
  EXPECT_EQ(std::string(form.lblStatus.get_text()), "Done");
  EXPECT_EQ(std::string(form.cboURL.get_entry()->get_text()), "typed");
  EXPECT_EQ(std::string(form.get_title()), "Tarravelle™ - Web Browser");
}

}  // namespace
}  // namespace tarravelle
