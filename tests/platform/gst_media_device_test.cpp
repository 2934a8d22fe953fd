// The media control device over GStreamer, with files made at test time and silent sinks.
#include "platform/gst_media_device.h"

#include <gtest/gtest.h>

#include "player/media_engine.h"
#include "support/main_loop.h"
#include "support/recording_labels.h"
#include "support/temp_dir.h"
#include "support/test_media.h"

namespace tarravelle {
namespace {

class GstMediaDeviceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    haveMp3_ = test::MakeMp3Tone(dir_->File("tone 3s.mp3"), 30);
    haveMpeg_ = test::MakeMpegVideo(dir_->File("clip.mpg"), 75);
    haveBareMp3_ = test::MakeMp3Tone(dir_->File("bare.mp3"), 30, false);
    dir_->Write("not media.mp3", "this is not an mp3 file at all, just some words\n");
  }
  static void TearDownTestSuite() { delete dir_; }

  std::string Quoted(const std::string& name) { return "\"" + dir_->File(name) + "\""; }
  MciReply Send(const std::string& command) { return device_.SendString(command); }
  long long Number(const std::string& command) {
    const auto reply = Send(command);
    EXPECT_EQ(reply.code, 0) << command;
    return std::stoll(reply.text);
  }

  static inline test::TempDir* dir_ = nullptr;
  static inline bool haveMp3_ = false;
  static inline bool haveMpeg_ = false;
  static inline bool haveBareMp3_ = false;
  GstMediaDevice device_{GstMediaDevice::Options{.silent = true}};
};

TEST_F(GstMediaDeviceTest, OpensAnMp3AndAnswersItsLengthInMillisecondsAndFrames) {
  ASSERT_TRUE(haveMp3_);
  const auto mp3 = Quoted("tone 3s.mp3");
  EXPECT_EQ(Send("open " + mp3 + " type MPEGVideo").code, 0);
  EXPECT_EQ(Send("set " + mp3 + " time format ms").code, 0);
  const long long ms = Number("status " + mp3 + " length");
  EXPECT_NEAR(ms, 3000, 120);
  EXPECT_EQ(Send("SET " + mp3 + " Time Format Frames").code, 0);
  // Without video a frame is 1/25 s.
  EXPECT_NEAR(Number("status " + mp3 + " length"), 75, 3);
  EXPECT_EQ(Number("status " + mp3 + " position"), 0);
  EXPECT_EQ(Send("close " + mp3).code, 0);
  EXPECT_EQ(Send("status " + mp3 + " length").code, mci::kInvalidDeviceName);
}

TEST_F(GstMediaDeviceTest, PlayAdvancesPauseHoldsAndPlayFromJumps) {
  ASSERT_TRUE(haveMp3_);
  const auto mp3 = Quoted("tone 3s.mp3");
  ASSERT_EQ(Send("open " + mp3 + " type MPEGVideo").code, 0);
  ASSERT_EQ(Send("set " + mp3 + " time format milliseconds").code, 0);
  ASSERT_EQ(Send("play " + mp3).code, 0);
  ASSERT_TRUE(test::PumpUntil([&] { return Number("status " + mp3 + " position") >= 300; }, 5000));
  ASSERT_EQ(Send("pause " + mp3).code, 0);
  test::PumpFor(100);
  const long long held = Number("status " + mp3 + " position wait");
  test::PumpFor(300);
  EXPECT_NEAR(Number("status " + mp3 + " position"), held, 30);

  ASSERT_EQ(Send("play " + mp3 + " from 2000").code, 0);
  ASSERT_TRUE(test::PumpUntil([&] { return Number("status " + mp3 + " position") >= 2000; }, 3000));
  EXPECT_LT(Number("status " + mp3 + " position"), 2900);
  ASSERT_EQ(Send("play " + mp3 + " from 500").code, 0);
  test::PumpFor(50);
  EXPECT_LT(Number("status " + mp3 + " position"), 1500);
  // Stop halts and keeps the device open.
  EXPECT_EQ(Send("stop " + mp3).code, 0);
  EXPECT_EQ(Send("status " + mp3 + " length").code, 0);
  EXPECT_EQ(Send("play " + mp3 + " from -1").code, mci::kOutOfRange);
  EXPECT_EQ(Send("play " + mp3 + " from 999999").code, mci::kOutOfRange);
  EXPECT_EQ(Send("play " + mp3 + " from 12x").code, mci::kBadInteger);
  EXPECT_EQ(Send("play " + mp3 + " from").code, mci::kMissingParameter);
  EXPECT_EQ(Send("close " + mp3).code, 0);
}

TEST_F(GstMediaDeviceTest, Mp3WithoutALengthHeaderGetsItsLengthFromSizeAndBitRate) {
  ASSERT_TRUE(haveBareMp3_);
  const auto mp3 = Quoted("bare.mp3");
  ASSERT_EQ(Send("open " + mp3 + " type MPEGVideo").code, 0);
  EXPECT_NEAR(Number("status " + mp3 + " length"), 3000, 300);
}

TEST_F(GstMediaDeviceTest, VideoLengthAndPositionCountFramesAtTheStreamsRate) {
  ASSERT_TRUE(haveMpeg_);
  const auto mpg = Quoted("clip.mpg");
  ASSERT_EQ(Send("open " + mpg + " type MPEGVideo").code, 0);
  // The length is the one the program stream's clock references give (the test muxer's are
  // short of the frames it holds); what counts is that frames are 25 to the second.
  ASSERT_EQ(Send("set " + mpg + " time format ms").code, 0);
  const long long ms = Number("status " + mpg + " length");
  EXPECT_GT(ms, 1000);
  ASSERT_EQ(Send("set " + mpg + " time format frames").code, 0);
  EXPECT_NEAR(Number("status " + mpg + " length"), ms * 25 / 1000, 1);
  ASSERT_EQ(Send("set " + mpg + " time format ms").code, 0);
  ASSERT_EQ(Send("play " + mpg).code, 0);
  ASSERT_EQ(Send("set " + mpg + " time format frames").code, 0);
  ASSERT_TRUE(test::PumpUntil([&] { return Number("status " + mpg + " position") >= 10; }, 5000));
  EXPECT_EQ(Send("close " + mpg).code, 0);
}

TEST_F(GstMediaDeviceTest, KeepsEveryOpenDeviceByName) {
  ASSERT_TRUE(haveMp3_ && haveMpeg_);
  const auto mp3 = Quoted("tone 3s.mp3");
  const auto mpg = Quoted("clip.mpg");
  ASSERT_EQ(Send("open " + mp3 + " type MPEGVideo").code, 0);
  ASSERT_EQ(Send("open " + mpg + " type MPEGVideo").code, 0);
  EXPECT_EQ(Send("open " + mp3 + " type MPEGVideo").code, mci::kDeviceOpen);
  EXPECT_EQ(Send("status " + mp3 + " length").code, 0);
  EXPECT_EQ(Send("close " + mpg).code, 0);
  EXPECT_EQ(Send("status " + mp3 + " length").code, 0);
}

TEST_F(GstMediaDeviceTest, FilesThatAreMissingOrNotMediaAreRefused) {
  EXPECT_EQ(Send("open " + Quoted("missing.mp3") + " type MPEGVideo").code, mci::kFileNotFound);
  const MciReply notMedia = Send("open " + Quoted("not media.mp3") + " type MPEGVideo");
  EXPECT_EQ(notMedia.code, mci::kInvalidFile);
  EXPECT_FALSE(notMedia.text.empty());  // GStreamer's reason, for the person
  EXPECT_EQ(Send("play " + Quoted("not media.mp3")).code, mci::kInvalidDeviceName);
  EXPECT_EQ(Send("open \"" + dir_->Path() + "\" type MPEGVideo").code, mci::kFileNotFound);
}

TEST_F(GstMediaDeviceTest, AnOpenWithNotifyAnswersFromTheMainLoopOnceTheFileIsReadyOrHasFailed) {
  ASSERT_TRUE(haveMp3_);
  std::vector<std::pair<std::string, MciReply>> answers;
  auto open = [&](const std::string& file) {
    device_.SendStringNotify("open " + file + " type MPEGVideo", [&answers, file](MciReply reply) {
      answers.emplace_back(file, reply);
    });
  };
  const auto mp3 = Quoted("tone 3s.mp3"), notMedia = Quoted("not media.mp3");
  const auto missing = Quoted("missing.mp3"), bare = Quoted("bare.mp3");
  open(mp3);
  open(notMedia);
  open(bare);
  // The device answers commands while it prerolls, and Close gives the file up: it is never
  // answered.
  EXPECT_EQ(Send("status " + bare + " position").code, 0);
  EXPECT_EQ(Send("close " + bare).code, 0);
  EXPECT_TRUE(answers.empty());
  open(missing);  // known at once
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0].second.code, mci::kFileNotFound);
  ASSERT_TRUE(test::PumpUntil([&] { return answers.size() == 3; }, 5000));
  test::PumpFor(100);
  ASSERT_EQ(answers.size(), 3u);
  for (const auto& [file, reply] : answers) {
    if (file == mp3) {
      EXPECT_EQ(reply.code, 0);
      EXPECT_NEAR(Number("status " + mp3 + " length"), 3000, 120);
    } else if (file == notMedia) {
      EXPECT_EQ(reply.code, mci::kInvalidFile);
      EXPECT_FALSE(reply.text.empty());
      EXPECT_EQ(Send("status " + notMedia + " length").code, mci::kInvalidDeviceName);
    }
  }
}

TEST_F(GstMediaDeviceTest, MalformedCommandsAreAnsweredWithAnErrorAndNoEffect) {
  ASSERT_TRUE(haveMp3_);
  const auto mp3 = Quoted("tone 3s.mp3");
  EXPECT_EQ(Send("").code, mci::kUnrecognizedCommand);
  EXPECT_EQ(Send("rewind " + mp3).code, mci::kUnrecognizedCommand);
  EXPECT_EQ(Send("play").code, mci::kMissingDeviceName);
  EXPECT_EQ(Send("play \"").code, mci::kNoClosingQuote);
  EXPECT_EQ(Send("play \"unclosed name").code, mci::kNoClosingQuote);
  EXPECT_EQ(Send("play " + mp3).code, mci::kInvalidDeviceName);  // not open
  EXPECT_EQ(Send("status \"\" position").code, mci::kMissingDeviceName);
  EXPECT_EQ(Send("open " + mp3 + " type WaveAudio").code, mci::kCannotLoadDriver);
  EXPECT_EQ(Send("open " + mp3 + " shareable").code, mci::kUnrecognizedKeyword);
  ASSERT_EQ(Send("open " + mp3).code, 0);
  EXPECT_EQ(Send("set " + mp3 + " time format hours").code, mci::kBadTimeFormat);
  EXPECT_EQ(Send("set " + mp3 + " time format").code, mci::kMissingParameter);
  EXPECT_EQ(Send("set " + mp3 + " volume 5").code, mci::kUnrecognizedKeyword);
  EXPECT_EQ(Send("status " + mp3).code, mci::kMissingParameter);
  EXPECT_EQ(Send("status " + mp3 + " mode").code, mci::kUnrecognizedKeyword);
  EXPECT_EQ(Send("status " + mp3 + " position later").code, mci::kUnrecognizedKeyword);
  EXPECT_EQ(Send("pause " + mp3 + " now").code, mci::kUnrecognizedKeyword);
  EXPECT_EQ(Send("play " + mp3 + " to 5").code, mci::kUnrecognizedKeyword);
  EXPECT_EQ(Send(std::string("status ") + mp3 + std::string("\0x", 2)).code,
            mci::kUnrecognizedKeyword);
  // Positions past the end, however large, are out of range in either unit.
  for (const char* format : {"milliseconds", "frames"}) {
    ASSERT_EQ(Send("set " + mp3 + " time format " + format).code, 0);
    for (const char* from : {"18446744073710", "9223372036855", "999999999"}) {
      EXPECT_EQ(Send("play " + mp3 + " from " + from).code, mci::kOutOfRange) << format << from;
    }
  }
  ASSERT_EQ(Send("set " + mp3 + " time format milliseconds").code, 0);
  // None of it disturbed the device.
  EXPECT_EQ(Send("status " + mp3 + " position").text, "0");
}

TEST_F(GstMediaDeviceTest, AnyMixOfWordsIsAnsweredWithoutHarm) {
  ASSERT_TRUE(haveMp3_);
  const std::vector<std::string> words{"open",
                                       "play",
                                       "pause",
                                       "stop",
                                       "close",
                                       "set",
                                       "status",
                                       Quoted("tone 3s.mp3"),
                                       "\"",
                                       "from",
                                       "-1",
                                       "99999999999999999999",
                                       "time",
                                       "format",
                                       "frames",
                                       "ms",
                                       "length",
                                       "position",
                                       "wait",
                                       "type",
                                       "MPEGVideo",
                                       "",
                                       " ",
                                       "\t",
                                       std::string("\0", 1),
                                       "é"};
  std::srand(7);
  for (int i = 0; i < 2000; ++i) {
    std::string command;
    const int count = std::rand() % 6;
    for (int w = 0; w < count; ++w) command += words[std::rand() % words.size()] + " ";
    const MciReply reply = Send(command);
    if (reply.code != 0) {
      EXPECT_TRUE(reply.text.empty()) << command;
    }
  }
  Send("close " + Quoted("tone 3s.mp3"));
}

TEST_F(GstMediaDeviceTest, EngineOnTheRealDevicePlaysSkipsAndCountsFrames) {
  ASSERT_TRUE(haveMp3_);
  MediaEngine engine(device_);
  test::RecordingLabels labels;
  test::LoadMedia(engine, labels, Quoted("tone 3s.mp3"));
  ASSERT_TRUE(test::PumpUntil([&] { return !engine.Opening; }, 5000));
  engine.ShowProgress(labels);
  EXPECT_EQ(labels.caption, "[ Playing ]");
  EXPECT_EQ(labels.time, "Total Time: 00:03");
  EXPECT_NEAR(engine.TotalFrames, 75, 3);
  auto frame = [&] {
    engine.ShowProgress(labels);
    return std::stoi(labels.current.substr(std::string("Current Frm: ").size()));
  };
  ASSERT_TRUE(test::PumpUntil([&] { return frame() >= 5; }, 5000));
  engine.SkipSeconds = 1;
  const int before = frame();
  engine.SkipForward();
  ASSERT_TRUE(test::PumpUntil([&] { return frame() >= before + 20; }, 3000));
  engine.SkipBack();
  test::PumpFor(100);
  EXPECT_LT(frame(), before + 20);
  engine.PauseMedia(labels);
  test::PumpFor(100);
  const int held = frame();
  test::PumpFor(300);
  EXPECT_NEAR(frame(), held, 1);
  EXPECT_EQ(labels.caption, "[ Paused ]");
  engine.PlayMedia(labels);
  engine.CloseMedia(labels);
  EXPECT_EQ(labels.caption, "[ No Media ]");
  EXPECT_EQ(labels.current, "Current Frm: ");
}

TEST_F(GstMediaDeviceTest, AFileThatIsNotMediaShowsPlayingWithZeroLengths) {
  MediaEngine engine(device_);
  test::RecordingLabels labels;
  test::LoadMedia(engine, labels, Quoted("not media.mp3"));
  ASSERT_TRUE(test::PumpUntil([&] { return !engine.Opening; }, 5000));
  engine.ShowProgress(labels);
  EXPECT_EQ(labels.caption, "[ Playing ]");
  EXPECT_EQ(labels.time, "Total Time: 00:00");
  EXPECT_EQ(labels.frames, "Total Frm: 0");
  EXPECT_EQ(labels.current, "Current Frm: ");
}

}  // namespace
}  // namespace tarravelle
