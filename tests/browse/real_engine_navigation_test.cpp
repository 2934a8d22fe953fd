// A main window on the real WebKitGTK engine, against pages of a local web server.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "app/program.h"
#include "browse/address_bar.h"
#include "browse/status_line.h"
#include "engine/webkit_engine.h"
#include "platform/key_file_settings.h"
#include "support/fake_prompts.h"
#include "support/local_web_server.h"
#include "support/main_loop.h"
#include "support/temp_dir.h"

namespace tarravelle {
namespace {

class RealEngineWindowTest : public testing::Test {
 protected:
  RealEngineWindowTest() : session_(std::nullopt) {
    Services services{
        .settings = settings_,
        .folder = ProgramFolder(dir_.Path()),
        .prompts = prompts_,
        .shell = nullptr,
        .makeEngine = [this] { return MakeWebKitEngine(session_, {.settings = settings_}); },
        .dataFolder = dir_.File("data"),
    };
    program_ = std::make_unique<Program>(
        std::move(services), [](Gtk::Window&) {}, [] {});
    form_ = &program_->ShowNewMainWindow();
    form_->wWeb->StatusTextChange.connect([this](const std::string&) { Record(); });
    form_->wWeb->ProgressChange.connect([this](int, int) { Record(); });
    form_->wWeb->DownloadBegin.connect([this] { Record(); });
    form_->wWeb->DownloadComplete.connect([this] { Record(); });
    form_->wWeb->NavigateComplete2.connect(
        [this](const EngineFrame&, const std::string&) { Record(); });
    form_->wWeb->DocumentComplete.connect([this](const EngineFrame&, const std::string&) {
      Record();
      ++completed_;
    });
  }

  // The status line after each event, in order (the window's handlers run first).
  void Record() { shown_.push_back(form_->lblStatus.get_text()); }

  void GoTo(const std::string& typed) {
    const int before = completed_;
    form_->cboURL.get_entry()->set_text(typed);
    form_->addressBar().cmdGo_Click();
    ASSERT_TRUE(test::PumpUntil([&] { return completed_ > before; }));
  }

  size_t IndexOf(const std::string& prefix) const {
    for (size_t i = 0; i < shown_.size(); ++i) {
      if (shown_[i].starts_with(prefix)) return i;
    }
    return shown_.size();
  }

  test::TempDir dir_;
  KeyFileSettings settings_{dir_.File("settings.ini")};
  test::FakePrompts prompts_;
  test::LocalWebServer server_;
  WebEngineSession session_;
  std::unique_ptr<Program> program_;
  Form1* form_ = nullptr;
  std::vector<std::string> shown_;
  int completed_ = 0;
};

TEST_F(RealEngineWindowTest, FullLoadWritesTheStatusTextsInOrderAndEndsWithDone) {
  server_.AddPage("/page",
                  "<html><head><title> Spaced Title </title></head><body>Hi</body></html>");
  GoTo(server_.HostAndPort("/page"));
  EXPECT_EQ(shown_.front(), "Starting Download");
  const size_t reading = IndexOf("Reading ");
  const size_t loaded = IndexOf("Done Loading!");
  const size_t downloaded = IndexOf("Download Done!");
  EXPECT_LT(reading, loaded);
  EXPECT_LT(loaded, downloaded);
  EXPECT_EQ(shown_.back(), "Done");
  EXPECT_EQ(std::string(form_->lblStatus.get_text()), "Done");
  EXPECT_EQ(std::string(form_->cboURL.get_entry()->get_text()), server_.Url("/page"));
  // The title may reach the window after the document: whichever came last gives the caption.
  ASSERT_TRUE(test::PumpUntil([&] { return form_->wWeb->LocationName() == "Spaced Title"; }));
  const std::string caption = form_->get_title();
  EXPECT_TRUE(caption == "Spaced Title" || caption == "Spaced Title - Tarravelle.™") << caption;
}

TEST_F(RealEngineWindowTest, FramedPageCompletesWithTheTopLevelAddress) {
  server_.AddPage("/frames",
                  "<html><head><title>Frames</title></head><body>"
                  "<iframe src='/a'></iframe><iframe src='/b'></iframe></body></html>");
  server_.AddPage("/a", "<title>A</title>");
  server_.AddPage("/b", "<title>B</title>");
  GoTo(server_.Url("/frames"));
  ASSERT_TRUE(test::PumpUntil([&] { return server_.RequestCount("/b") == 1; }));
  EXPECT_EQ(std::string(form_->lblStatus.get_text()), "Done");
  EXPECT_EQ(std::string(form_->cboURL.get_entry()->get_text()), server_.Url("/frames"));
}

TEST_F(RealEngineWindowTest, PopupsAndBlankTargetsAreCancelledWhileBlockingAndOpenWhileAllowing) {
  server_.AddPage("/opener", "<title>Opener</title><script>window.open('/popup1');</script>");
  server_.AddPage("/blank",
                  "<title>Blank</title><a id='l' href='/popup2' target='_blank'>x</a>"
                  "<script>document.getElementById('l').click();</script>");
  server_.AddPage("/popup1", "<title>Popup one</title>");
  server_.AddPage("/popup2", "<title>Popup two</title>");

  GoTo(server_.Url("/opener"));
  GoTo(server_.Url("/blank"));
  test::PumpFor(700);
  EXPECT_EQ(server_.RequestCount("/popup1"), 0);
  EXPECT_EQ(server_.RequestCount("/popup2"), 0);
  EXPECT_EQ(std::string(form_->lblcaption2.get_text()), "Popups NOT Allowed -");

  form_->cmdPopups.Press();
  GoTo(server_.Url("/opener"));
  ASSERT_TRUE(test::PumpUntil([&] { return server_.RequestCount("/popup1") == 1; }));
  GoTo(server_.Url("/blank"));
  ASSERT_TRUE(test::PumpUntil([&] { return server_.RequestCount("/popup2") == 1; }));
  // The pop-ups open in windows of the engine's own; this window stays on its page.
  EXPECT_EQ(form_->wWeb->LocationURL(), server_.Url("/blank"));
  EXPECT_EQ(program_->Windows().size(), 1u);
}

}  // namespace
}  // namespace tarravelle
