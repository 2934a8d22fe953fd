// The player panel with fake prompts and a recording media device.
#include "player/player_panel.h"

#include <gtest/gtest.h>

#include "ports/file_filter.h"
#include "support/main_loop.h"
#include "support/test_program.h"

namespace tarravelle {
namespace {

using Strings = std::vector<std::string>;

class PlayerPanelTest : public testing::Test {
 protected:
  PlayerPanelTest() : form_(test_.ShowMainWindow()), panel_(form_.playerPanel()) {}

  void Load(const std::string& path) {
    test_.prompts.fileAnswers.push_back(path);
    form_.cmdeject.Press();
  }
  std::string Text(Gtk::Inscription& label) { return label.get_text(); }
  const Strings& Sent() { return test_.media.sent; }

  test::TestProgram test_;
  Form1& form_;
  PlayerPanel& panel_;
};

TEST(MediaFilter, OffersTheSevenTypesMp3First) {
  const auto filters = ParseFilterText(kMediaFilter);
  ASSERT_EQ(filters.size(), 7u);
  EXPECT_EQ(filters[0].description, "MP3 Files");
  EXPECT_EQ(filters[0].patterns, Strings{"*.mp3"});
  EXPECT_EQ(filters[4].description, "VCD DAT Files");
  EXPECT_EQ(filters[6].description, "AVI(DivX) Files");
  EXPECT_EQ(filters[6].patterns, Strings{"*.avi"});
  EXPECT_EQ(ParseFilterText("Both|*.a;*.b|Dangling").size(), 1u);
  EXPECT_EQ(ParseFilterText("Both|*.a;*.b")[0].patterns, (Strings{"*.a", "*.b"}));
  EXPECT_TRUE(ParseFilterText("").empty());
}

TEST_F(PlayerPanelTest, EjectLoadsAndPlaysTheChosenFileAndStartsTheCounters) {
  EXPECT_EQ(panel_.TickMs(), 16u);  // no lengths: about a frame of the display
  // Three seconds in 75 frames: the counters are read twice a frame.
  test_.media.answers = {{}, {}, {}, {0, "3000"}, {}, {0, "75"}};
  Load("/music/my song.mp3");
  ASSERT_EQ(test_.prompts.asked.size(), 1u);
  EXPECT_EQ(test_.prompts.asked[0].kind, "ChooseOpenFile");
  EXPECT_EQ(test_.prompts.asked[0].text, kMediaFilter);
  const std::string file = "\"/music/my song.mp3\"";
  EXPECT_EQ(Sent(), (Strings{"open " + file + " type MPEGVideo", "play " + file,
                             "set " + file + " time format ms", "status " + file + " length",
                             "set " + file + " time format frames", "status " + file + " length"}));
  EXPECT_EQ(Text(form_.lblcaption), "[ Playing ]");
  EXPECT_TRUE(panel_.TimerEnabled());
  EXPECT_EQ(panel_.TickMs(), 20u);
  // The counter timer asks for the position on its own.
  ASSERT_TRUE(test::PumpUntil([&] { return Sent().back() == "status " + file + " position"; }));
  EXPECT_EQ(Text(form_.lblTime), "Total Time: 00:03");
}

TEST_F(PlayerPanelTest, AFileThatCannotBeOpenedIsSaidAndLetGoSoEjectWorksAtOnce) {
  test_.media.answers = {{mci::kInvalidFile, "Could not determine type of stream"}};
  Load("/music/notes.txt");
  const std::string file = "\"/music/notes.txt\"";
  EXPECT_EQ(Sent(), (Strings{"open " + file + " type MPEGVideo", "close " + file}));
  ASSERT_EQ(test_.prompts.asked.size(), 2u);
  EXPECT_EQ(test_.prompts.asked[1].text,
            "Sonavelle cannot play \"/music/notes.txt\": Could not determine type of stream.");
  EXPECT_EQ(Text(form_.lblcaption), "[ No Media ]");
  EXPECT_EQ(Text(form_.lblTime), "Total Time: 00:00");
  EXPECT_FALSE(panel_.TimerEnabled());
  EXPECT_FALSE(test_.program().Media().IsPlaying);
  // Eject opens the chooser again instead of saying the player is busy.
  form_.cmdeject.Press();
  EXPECT_EQ(test_.prompts.asked.back().kind, "ChooseOpenFile");
}

TEST_F(PlayerPanelTest, ASlowOpenSaysOpeningKeepsEjectBusyAndCanBeGivenUpWithClose) {
  test_.media.holdAnswers = true;
  Load("/music/slow.mp3");
  EXPECT_EQ(Sent(), Strings{"open \"/music/slow.mp3\" type MPEGVideo"});
  ASSERT_TRUE(test::PumpUntil([&] { return Text(form_.lblcaption) == "Opening..."; }));
  form_.cmdeject.Press();
  EXPECT_EQ(test_.prompts.asked.back().text, "Sonavelle is busy right now!");
  // Once the device answers, the file plays.
  std::exchange(test_.media.pending, {})(MciReply{});
  EXPECT_EQ(Text(form_.lblcaption), "[ Playing ]");
  EXPECT_TRUE(panel_.TimerEnabled());
  form_.cmdclose2.Press();

  // Close while it opens gives the file up; its late answer changes nothing.
  Load("/music/slow.mp3");
  test_.media.sent.clear();
  auto late = std::exchange(test_.media.pending, {});
  form_.cmdclose2.Press();
  EXPECT_EQ(Sent(), Strings{"close \"/music/slow.mp3\""});
  EXPECT_EQ(Text(form_.lblcaption), "[ No Media ]");
  late(MciReply{});
  EXPECT_EQ(Text(form_.lblcaption), "[ No Media ]");
  EXPECT_FALSE(panel_.TimerEnabled());
  form_.cmdeject.Press();
  EXPECT_EQ(test_.prompts.asked.back().kind, "ChooseOpenFile");
}

TEST_F(PlayerPanelTest, EjectWhilePlayingSaysItIsBusyAndOpensNoChooser) {
  Load("/music/a.mp3");
  test_.prompts.asked.clear();
  test_.media.sent.clear();
  form_.cmdeject.Press();
  ASSERT_EQ(test_.prompts.asked.size(), 1u);
  EXPECT_EQ(test_.prompts.asked[0].kind, "MsgBox");
  EXPECT_EQ(test_.prompts.asked[0].text, "Sonavelle is busy right now!");
  EXPECT_EQ(test_.prompts.asked[0].title, "Sonavelle");
  EXPECT_EQ(test_.prompts.asked[0].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PlayerPanelTest, CancelledChooserChangesNothing) {
  form_.cmdeject.Press();
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(panel_.TimerEnabled());
  EXPECT_EQ(Text(form_.lblcaption), "Sonavelle");
  test_.prompts.fileAnswers.push_back(std::string());
  form_.cmdeject.Press();
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PlayerPanelTest, ANameWithADoubleQuoteIsRefusedAndNothingIsSent) {
  Load("/music/say \"hi\".mp3");
  EXPECT_TRUE(Sent().empty());
  ASSERT_EQ(test_.prompts.asked.size(), 2u);
  EXPECT_EQ(test_.prompts.asked[1].kind, "MsgBox");
  EXPECT_NE(test_.prompts.asked[1].text.find("double quote"), std::string::npos);
  EXPECT_EQ(test_.program().Media().MediaFile, "");
  EXPECT_FALSE(panel_.TimerEnabled());
}

TEST_F(PlayerPanelTest, PlayBeforeAnyLoadStartsTheTimerWithNothingToShow) {
  form_.cmdPlay.Press();
  EXPECT_TRUE(panel_.TimerEnabled());
  EXPECT_EQ(Text(form_.lblcaption), "Sonavelle");
  ASSERT_TRUE(test::PumpUntil([&] { return !Sent().empty(); }));
  EXPECT_EQ(Sent().front(), "status  position");
  EXPECT_EQ(Text(form_.lblTime), "Total Time: 00:00");
  EXPECT_EQ(Text(form_.lblFrame), "Total Frm: 0");
  EXPECT_EQ(Text(form_.lbl), "Current Frm: ");
}

TEST_F(PlayerPanelTest, PauseThenCloseResetsTheCountersButKeepsTheCaptionAndTheDevice) {
  Load("/music/a.mp3");
  form_.cmdpause.Press();
  EXPECT_FALSE(panel_.TimerEnabled());
  test_.media.sent.clear();
  form_.cmdclose2.Press();
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Text(form_.lblcaption), "[ Paused ]");
  EXPECT_EQ(Text(form_.lblTime), "Total Time: 00:00");
  EXPECT_EQ(Text(form_.lblFrame), "Total Frm: 00");
  EXPECT_EQ(Text(form_.lbl), "Current Frm: 00");
  // A later load is allowed: the paused device, which would refuse to open the same file
  // again, is let go first.
  Load("/music/a.mp3");
  ASSERT_GE(Sent().size(), 2u);
  EXPECT_EQ(Strings(Sent().begin(), Sent().begin() + 2),
            (Strings{"close \"/music/a.mp3\"", "open \"/music/a.mp3\" type MPEGVideo"}));
  EXPECT_EQ(Text(form_.lblcaption), "[ Playing ]");
}

TEST_F(PlayerPanelTest, PlayThenCloseClosesTheDevice) {
  Load("/music/a.mp3");
  test_.media.sent.clear();
  form_.cmdclose2.Press();
  EXPECT_EQ(Sent().front(), "close \"/music/a.mp3\"");
  EXPECT_EQ(Text(form_.lblcaption), "[ No Media ]");
  EXPECT_EQ(Text(form_.lbl), "Current Frm: 00");
  EXPECT_FALSE(panel_.TimerEnabled());
}

TEST_F(PlayerPanelTest, SkipsLeaveTheTimerAsItIs) {
  Load("/music/a.mp3");
  test_.media.answers = {{}, {0, "10000"}};
  form_.cmdforward2.Press();
  EXPECT_TRUE(panel_.TimerEnabled());
  EXPECT_NE(std::find(Sent().begin(), Sent().end(), "play \"/music/a.mp3\" from 15000"),
            Sent().end());
  form_.cmdstop2.Press();
  form_.cmdrewind.Press();  // not playing: nothing
  EXPECT_FALSE(panel_.TimerEnabled());
  EXPECT_EQ(Text(form_.lblcaption), "[ Stoped ]");
}

TEST_F(PlayerPanelTest, ViewSwitchHidesAndShowsThePanelWhilePlayGoesOn) {
  Load("/music/a.mp3");
  const size_t sent = Sent().size();
  form_.Menu("mnuTarravelle").Click();
  EXPECT_FALSE(form_.Menu("mnuTarravelle").Checked());
  for (Gtk::Widget* control :
       {static_cast<Gtk::Widget*>(&form_.cmdPlay), static_cast<Gtk::Widget*>(&form_.cmdeject),
        static_cast<Gtk::Widget*>(&form_.Label1), static_cast<Gtk::Widget*>(&form_.lblFrame),
        static_cast<Gtk::Widget*>(&form_.lblcaption)}) {
    EXPECT_FALSE(control->get_visible());
  }
  EXPECT_TRUE(form_.txtSearch.get_visible());
  EXPECT_TRUE(panel_.TimerEnabled());
  EXPECT_TRUE(test_.program().Media().IsPlaying);
  form_.Menu("mnuTarravelle").Click();
  EXPECT_TRUE(form_.Menu("mnuTarravelle").Checked());
  EXPECT_TRUE(form_.cmdforward2.get_visible());
  EXPECT_TRUE(form_.lbl.get_visible());
  // Only the timer talked to the device meanwhile.
  for (size_t i = sent; i < Sent().size(); ++i)
    EXPECT_EQ(Sent()[i], "status \"/music/a.mp3\" position");
}

TEST_F(PlayerPanelTest, FileCloseStopsThenClosesBeforeTheEnd) {
  Load("/music/a.mp3");
  test_.media.sent.clear();
  form_.Menu("mnuFileClose").Click();
  // Stop clears the playing flag, so Close sends nothing and only resets the counters.
  EXPECT_EQ(Sent(), Strings{"stop \"/music/a.mp3\""});
  EXPECT_EQ(Text(form_.lbl), "Current Frm: 00");
  EXPECT_EQ(test_.quits, 1);
}

TEST_F(PlayerPanelTest, OneEngineForTheProgramWritingIntoTheCallingWindow) {
  Form1& second = test_.ShowMainWindow();
  test_.prompts.fileAnswers.push_back("/music/b.mp3");
  second.cmdeject.Press();
  EXPECT_EQ(Text(second.lblcaption), "[ Playing ]");
  EXPECT_EQ(Text(form_.lblcaption), "Sonavelle");
  // The first window's eject sees the same engine playing.
  form_.cmdeject.Press();
  EXPECT_EQ(test_.prompts.asked.back().text, "Sonavelle is busy right now!");
  form_.cmdpause.Press();
  EXPECT_EQ(Text(form_.lblcaption), "[ Paused ]");
  EXPECT_FALSE(test_.program().Media().IsPlaying);
}

}  // namespace
}  // namespace tarravelle
