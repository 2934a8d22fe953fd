// The media command engine's strings, gates and label texts, with a recording device.
#include "player/media_engine.h"

#include <gtest/gtest.h>

#include "support/fake_media_device.h"
#include "support/recording_labels.h"

namespace tarravelle {
namespace {

using Strings = std::vector<std::string>;

const std::string kFile = "\"/home/me/My Music/song one.mp3\"";

class MediaEngineTest : public testing::Test {
 protected:
  void Load() { test::LoadMedia(engine_, labels_, kFile); }

  test::FakeMediaDevice device_;
  MediaEngine engine_{device_};
  test::RecordingLabels labels_;
};

TEST(FormatTime, RoundsToTheNearestSecondHalfToEven) {
  EXPECT_EQ(FormatTime(0), "00:00");
  EXPECT_EQ(FormatTime(499), "00:00");
  EXPECT_EQ(FormatTime(1500), "00:02");
  EXPECT_EQ(FormatTime(2500), "00:02");
  EXPECT_EQ(FormatTime(3500), "00:04");
  EXPECT_EQ(FormatTime(59999), "01:00");
  EXPECT_EQ(FormatTime(61000), "01:01");
  EXPECT_EQ(FormatTime(9000), "00:09");
  EXPECT_EQ(FormatTime(600000), "10:00");
  EXPECT_EQ(FormatTime(3600000), "1:00:00");
  EXPECT_EQ(FormatTime(3725000), "1:02:05");
  EXPECT_EQ(FormatTime(36000000), "10:00:00");
  EXPECT_EQ(FormatTime(-5000), "00:00");
  EXPECT_EQ(FormatTime(INT32_MAX), "596:31:24");
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartRoundedHalfToEven) {
  EXPECT_EQ(LeadingNumber("205000"), 205000);
  EXPECT_EQ(LeadingNumber("12 frames"), 12);
  EXPECT_EQ(LeadingNumber("2.5"), 2);
  EXPECT_EQ(LeadingNumber("3.5x"), 4);
  EXPECT_EQ(LeadingNumber("-7"), -7);
  EXPECT_EQ(LeadingNumber("99999999999"), INT32_MAX);
  EXPECT_EQ(LeadingNumber(""), std::nullopt);
  EXPECT_EQ(LeadingNumber("abc"), std::nullopt);
  EXPECT_EQ(LeadingNumber(" 5"), std::nullopt);
  EXPECT_EQ(LeadingNumber("-"), std::nullopt);
  EXPECT_EQ(LeadingNumber("."), std::nullopt);
}

TEST_F(MediaEngineTest, LoadingSendsTheExactStringsAndReadsBothLengths) {
  device_.answers = {{}, {}, {}, {0, "205012"}, {}, {0, "5125"}};
  Load();
  EXPECT_EQ(device_.sent,
            (Strings{"open " + kFile + " type MPEGVideo", "play " + kFile,
                     "set " + kFile + " time format ms", "status " + kFile + " length",
                     "set " + kFile + " time format frames", "status " + kFile + " length"}));
  EXPECT_TRUE(engine_.IsPlaying);
  EXPECT_EQ(labels_.caption, "[ Playing ]");
  EXPECT_EQ(engine_.TotalMs, 205012);
  EXPECT_EQ(engine_.TotalFrames, 5125);

  device_.answers = {{0, "1234"}};
  engine_.ShowProgress(labels_);
  EXPECT_EQ(labels_.time, "Total Time: 03:25");
  EXPECT_EQ(labels_.frames, "Total Frm: 5125");
  EXPECT_EQ(labels_.current, "Current Frm: 1234");
  EXPECT_EQ(device_.sent.back(), "status " + kFile + " position");
}

TEST_F(MediaEngineTest, NothingIsSentBeforeAFileIsChosenOrWhileNotPlaying) {
  engine_.PlayMedia(labels_);
  engine_.OpenMedia([](const MciReply&) {});
  engine_.PauseMedia(labels_);
  engine_.StopMedia(labels_);
  engine_.CloseMedia(labels_);
  engine_.SkipForward();
  engine_.SkipBack();
  EXPECT_TRUE(device_.sent.empty());
  EXPECT_EQ(labels_.caption, "Sonavelle");
  EXPECT_FALSE(engine_.IsPlaying);
}

TEST_F(MediaEngineTest, PauseStopAndCloseEachActOnlyWhilePlaying) {
  Load();
  device_.sent.clear();
  engine_.PauseMedia(labels_);
  EXPECT_EQ(labels_.caption, "[ Paused ]");
  // A paused file is not closed by Close.
  engine_.CloseMedia(labels_);
  engine_.StopMedia(labels_);
  EXPECT_EQ(device_.sent, Strings{"pause " + kFile});
  EXPECT_EQ(labels_.caption, "[ Paused ]");

  engine_.PlayMedia(labels_);
  engine_.StopMedia(labels_);
  EXPECT_EQ(labels_.caption, "[ Stoped ]");
  engine_.PlayMedia(labels_);
  device_.sent.clear();
  engine_.CloseMedia(labels_);
  EXPECT_EQ(device_.sent, (Strings{"close " + kFile, "status " + kFile + " position"}));
  EXPECT_EQ(labels_.caption, "[ No Media ]");
  EXPECT_FALSE(engine_.IsPlaying);
}

TEST_F(MediaEngineTest, SkipsPlayFromThePositionPlusOrMinusTheStep) {
  Load();
  device_.sent.clear();
  device_.answers = {{}, {0, "12000"}};
  engine_.SkipForward();
  EXPECT_EQ(
      device_.sent,
      (Strings{"set " + kFile + " time format milliseconds", "status " + kFile + " position wait",
               "play " + kFile + " from 17000", "set " + kFile + " time format frames"}));
  device_.sent.clear();
  device_.answers = {{}, {0, "3000"}};
  engine_.SkipBack();
  EXPECT_EQ(device_.sent[2], "play " + kFile + " from 0");  // no earlier than the start
  EXPECT_TRUE(engine_.IsPlaying);
  engine_.TotalMs = 20000;
  device_.sent.clear();
  device_.answers = {{}, {0, "18000"}};
  engine_.SkipForward();
  EXPECT_EQ(device_.sent[2], "play " + kFile + " from 20000");  // no later than the end

  engine_.SkipSeconds = 0;
  device_.sent.clear();
  device_.answers = {{}, {0, "4321"}};
  engine_.SkipForward();
  EXPECT_EQ(device_.sent[2], "play " + kFile + " from 4321");
}

TEST_F(MediaEngineTest, SkipWithoutANumberInTheReplySendsNothingFurther) {
  Load();
  device_.sent.clear();
  device_.answers = {{}, {mci::kInvalidDeviceName, ""}};
  engine_.SkipForward();
  EXPECT_EQ(device_.sent.size(), 2u);
  EXPECT_TRUE(engine_.IsPlaying);
  EXPECT_EQ(labels_.caption, "[ Playing ]");
}

TEST_F(MediaEngineTest, RepliesAreCutToTheirBuffersAndFailuresReadAsNothing) {
  device_.answers = {{}, {}, {}, {mci::kInvalidDeviceName, ""}, {}, {0, "not a number"}};
  Load();
  EXPECT_EQ(engine_.TotalMs, 0);
  EXPECT_EQ(engine_.TotalFrames, 0);
  device_.answers = {{0, std::string(60, '7')}};
  engine_.ShowProgress(labels_);
  EXPECT_EQ(labels_.current, "Current Frm: " + std::string(39, '7'));
  device_.answers = {{0, std::string("12\0garbage", 10)}};
  engine_.ShowProgress(labels_);
  EXPECT_EQ(labels_.current, "Current Frm: 12");
  device_.answers = {{mci::kInvalidDeviceName, ""}};
  engine_.ShowProgress(labels_);
  EXPECT_EQ(labels_.current, "Current Frm: ");
  EXPECT_EQ(labels_.time, "Total Time: 00:00");
  EXPECT_EQ(labels_.frames, "Total Frm: 0");
}

TEST_F(MediaEngineTest, ProgressBeforeAnyFileAsksAboutAnEmptyDeviceName) {
  engine_.ShowProgress(labels_);
  EXPECT_EQ(device_.sent, Strings{"status  position"});
}

}  // namespace
}  // namespace tarravelle
