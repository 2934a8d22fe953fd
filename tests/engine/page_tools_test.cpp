// The page tools of the WebKitGTK engine: editing, find, text size, printing, saving,
// properties.
#include "engine/page_tools.h"

#include <gdkmm/clipboard.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <webkit/webkit.h>

#include <fstream>
#include <iterator>

#include "engine/find_bar.h"
#include "engine/page_properties.h"
#include "engine/page_saving.h"
#include "engine/print_preview_window.h"
#include "engine/run_folders.h"
#include "engine/webkit_engine_fixture.h"
#include "support/clipboard_lock.h"
#include "support/fake_prompts.h"

namespace tarravelle {
namespace {

TEST_F(WebKitEngineTest, PageCommandsNeedAPage) {
  for (const auto command :
       {EngineCommand::SaveAs, EngineCommand::Print, EngineCommand::PrintPreview,
        EngineCommand::PageSetup, EngineCommand::Properties, EngineCommand::Cut,
        EngineCommand::Copy, EngineCommand::Paste, EngineCommand::Undo, EngineCommand::SelectAll,
        EngineCommand::ClearSelection, EngineCommand::Zoom}) {
    EXPECT_FALSE(engine_->ExecWB(command, EngineCommandOption::DoDefault, 0))
        << static_cast<int>(command);
  }
  EXPECT_FALSE(engine_->OpenFind());
}

TEST_F(WebKitEngineTest, SelectAllThenCopyPutsThePagesTextOnTheClipboard) {
  test::ClipboardLock clipboardLock;
  server_.AddPage("/text", "<title>Text</title><body><p>Hello clipboard</p></body>");
  Load(server_.Url("/text"));
  engine_->Focus();
  ASSERT_TRUE(engine_->ExecWB(EngineCommand::SelectAll, EngineCommandOption::DoDefault));
  auto clipboard = window_.get_clipboard();
  std::string copied;
  // The display's clipboard is shared with tests running side by side: copy until it holds ours.
  // Each try selects again, in case the page had not taken the first selection yet.
  ASSERT_TRUE(test::PumpUntil(
      [&] {
        engine_->ExecWB(EngineCommand::SelectAll, EngineCommandOption::DoDefault);
        engine_->ExecWB(EngineCommand::Copy, EngineCommandOption::DoDefault);
        test::PumpFor(50);
        clipboard->read_text_async([&](Glib::RefPtr<Gio::AsyncResult>& result) {
          try {
            copied = clipboard->read_text_finish(result);
          } catch (const Glib::Error&) {
          }
        });
        test::PumpFor(50);
        return copied.find("Hello clipboard") != std::string::npos;
      },
      5000));
}

TEST_F(WebKitEngineTest, PasteReachesAFocusedFieldAndTheDocumentOnlyInDesignMode) {
  test::ClipboardLock clipboardLock;
  // Tests running side by side share the display's clipboard: each paste sets it again first.
  const auto paste = [&] {
    window_.get_clipboard()->set_text("pasted");
    test::PumpFor(50);
    engine_->ExecWB(EngineCommand::Paste, EngineCommandOption::DoDefault);
  };
  server_.AddPage("/form",
                  "<title>form</title><input id=f oninput=\"document.title='field:'+this.value\">"
                  "<script>document.getElementById('f').focus()</script>");
  Load(server_.Url("/form"));
  engine_->Focus();
  paste();
  EXPECT_TRUE(TitleBecomes("field:pasted"));

  server_.AddPage("/doc",
                  "<title>doc</title><body>text<script>new MutationObserver(function(){"
                  "document.title='changed'}).observe(document.body,{subtree:true,"
                  "childList:true,characterData:true})</script></body>");
  Load(server_.Url("/doc"));
  engine_->Focus();
  engine_->ExecWB(EngineCommand::SelectAll, EngineCommandOption::DoDefault);
  paste();
  test::PumpFor(300);
  EXPECT_EQ(engine_->LocationName(), "doc");
  ASSERT_TRUE(engine_->SetDocumentDesignMode("On"));
  engine_->ExecWB(EngineCommand::SelectAll, EngineCommandOption::DoDefault);
  paste();
  EXPECT_TRUE(TitleBecomes("changed"));
}

TEST_F(WebKitEngineTest, FindBarShowsTheCurrentMatchAmongAllAndSaysWhenThereAreNone) {
  server_.AddPage("/find", "<title>Find</title><p>apple pie, Apple tart, apple juice</p>");
  Load(server_.Url("/find"));
  ASSERT_TRUE(engine_->OpenFind());
  auto* bar = dynamic_cast<FindBar*>(engine_->Widget().get_last_child());
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->get_visible());
  bar->SetText("apple");
  EXPECT_TRUE(test::PumpUntil([&] { return bar->Status() == "1 of 3"; }, 5000));
  // Moving keeps the count and wraps at either end.
  for (const char* expected : {"2 of 3", "3 of 3", "1 of 3"}) {
    bar->FindNext();
    EXPECT_TRUE(test::PumpUntil([&] { return bar->Status() == expected; }, 5000)) << expected;
  }
  bar->FindPrevious();
  EXPECT_TRUE(test::PumpUntil([&] { return bar->Status() == "3 of 3"; }, 5000));
  bar->SetText("pear");
  EXPECT_TRUE(test::PumpUntil([&] { return bar->Status() == "Not found"; }, 5000));
  bar->Close();
  EXPECT_FALSE(bar->get_visible());
}

TEST_F(WebKitEngineTest, TextSizeZoomsTheTextAtFiveLevels) {
  server_.AddPage("/zoom", "<title>Zoom</title><p>text</p>");
  Load(server_.Url("/zoom"));
  ASSERT_TRUE(engine_->ExecWB(EngineCommand::Zoom, EngineCommandOption::DontPromptUser, 4));
  EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(View()), 1.5);
  EXPECT_TRUE(webkit_settings_get_zoom_text_only(webkit_web_view_get_settings(View())));
  ASSERT_TRUE(engine_->ExecWB(EngineCommand::Zoom, EngineCommandOption::DontPromptUser, 0));
  EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(View()), 0.7);
  EXPECT_FALSE(engine_->ExecWB(EngineCommand::Zoom, EngineCommandOption::DontPromptUser, 5));
}

TEST_F(WebKitEngineTest, PrintPreviewShowsThePrintedPagesAndPropertiesThePage) {
  server_.AddPage("/print", "<title>Printed page</title><p>To paper</p>");
  Load(server_.Url("/print"));
  ASSERT_TRUE(engine_->ExecWB(EngineCommand::PrintPreview, EngineCommandOption::DoDefault, 0));
  PrintPreviewWindow* preview = nullptr;
  ASSERT_TRUE(test::PumpUntil([&] { return (preview = OpenWindow<PrintPreviewWindow>()); }));
  EXPECT_GE(preview->PageCount(), 1);
  // The printed copy of the page is read and gone from the disk while the preview shows it.
  const std::string runs = PrivateRuntimeFolder();
  GDir* dir = g_dir_open(runs.c_str(), 0, nullptr);
  ASSERT_NE(dir, nullptr);
  const std::string mine = "preview-" + std::to_string(getpid()) + "-";
  while (const char* name = g_dir_read_name(dir)) EXPECT_FALSE(std::string(name).starts_with(mine));
  g_dir_close(dir);
  // The whole width of the page is in view (an A4 or Letter page at its printed size is wider
  // than the window), and the zoom leaves fitting until Fit Width.
  ASSERT_TRUE(test::PumpUntil([&] { return preview->Scale() < 1.0; }));
  const double fitted = preview->Scale();
  preview->ZoomIn();
  EXPECT_FALSE(preview->FitsWidth());
  EXPECT_NEAR(preview->Scale(), fitted * 1.25, 1e-9);
  preview->ZoomOut();
  preview->ZoomOut();
  EXPECT_NEAR(preview->Scale(), fitted / 1.25, 1e-9);
  preview->FitWidth();
  EXPECT_NEAR(preview->Scale(), fitted, 1e-9);
  preview->hide();

  ASSERT_TRUE(engine_->ExecWB(EngineCommand::Properties, EngineCommandOption::DoDefault));
  auto* properties = OpenWindow<PropertiesWindow>();
  ASSERT_NE(properties, nullptr);
  const auto& rows = properties->Rows();
  EXPECT_EQ(rows[0].first, "Title");
  EXPECT_EQ(rows[0].second, "Printed page");
  EXPECT_EQ(rows[1].second, server_.Url("/print"));
  EXPECT_EQ(rows[3].second, "Not encrypted");
  properties->hide();
}

TEST_F(WebKitEngineTest, SavedPagesLoadBackAndAFailedSaveNamesTheFile) {
  server_.AddPage("/save", "<title>Saved page</title><p>Keep me</p>");
  Load(server_.Url("/save"));
  test::FakePrompts prompts;
  for (const auto kind : {SaveKind::WebArchive, SaveKind::HtmlOnly}) {
    const std::string path = dir_.File(kind == SaveKind::WebArchive ? "saved.mhtml" : "saved.html");
    std::optional<bool> saved;
    SavePage(View(), path, kind, &prompts, [&](bool ok) { saved = ok; });
    ASSERT_TRUE(test::PumpUntil([&] { return saved.has_value(); }));
    EXPECT_TRUE(*saved);
    Load("file://" + path);
    EXPECT_TRUE(TitleBecomes("Saved page")) << path;
    Load(server_.Url("/save"));
  }
  std::optional<bool> saved;
  const std::string nowhere = dir_.File("missing/folder/page.html");
  SavePage(View(), nowhere, SaveKind::HtmlOnly, &prompts, [&](bool ok) { saved = ok; });
  ASSERT_TRUE(test::PumpUntil([&] { return saved.has_value(); }));
  EXPECT_FALSE(*saved);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_NE(prompts.asked[0].text.find(nowhere), std::string::npos);
}

}  // namespace
}  // namespace tarravelle
