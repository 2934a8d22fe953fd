// The document commands with a fake engine: each command's id, option and arguments.
#include "page/document_commands.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace tarravelle {
namespace {

using Calls = std::vector<std::string>;

TEST(DocumentCommands, EachCommandSendsItsEngineCallAndTheButtonPrintsLikeTheMenu) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  auto& web = test.Page();
  const std::pair<const char*, Calls> cases[] = {
      {"mnuFileEdit", {"designMode=On"}},
      {"mnuFileEditOFF", {"designMode=Off"}},
      {"mnuFilePageSetup", {"Focus", "ExecWB(8,0)"}},
      {"mnuFilePrint", {"ExecWB(6,0)"}},
      {"mnuFilePrintPreview", {"ExecWB(7,0,0)"}},
      {"mnuFileSaveAs", {"ExecWB(4,0,0)"}},
      {"mnuProperties", {"ExecWB(10,0)"}},
  };
  for (const auto& [item, calls] : cases) {
    web.calls.clear();
    form.MenuNamed(item).Click();
    EXPECT_EQ(web.calls, calls) << item;
  }
  web.calls.clear();
  form.cmdPrint.Press();
  EXPECT_EQ(web.calls, Calls{"ExecWB(6,0)"});
  EXPECT_TRUE(form.Menu("mnuFileEdit").Enabled());
}

TEST(DocumentCommands, EachTextSizeItemSelectsTheSizeItsCaptionNames) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  auto& web = test.Page();
  web.calls.clear();
  for (int index = 0; index < 5; ++index) form.Menu("mnuViewTextSizeFont").Click(index);
  // Largest, Larger, Medium, Smaller, Smallest: the engine's levels run from 0, the smallest.
  EXPECT_EQ(web.calls, (Calls{"ExecWB(19,2,4)", "ExecWB(19,2,3)", "ExecWB(19,2,2)",
                              "ExecWB(19,2,1)", "ExecWB(19,2,0)"}));
  // The keys step from the size chosen last, stop at either end, and go back to Medium.
  web.calls.clear();
  auto& commands = form.documentCommands();
  commands.StepTextSize(-1);  // already the smallest
  commands.StepTextSize(1);
  commands.StepTextSize(1);
  commands.ResetTextSize();
  for (int i = 0; i < 4; ++i) commands.StepTextSize(1);
  commands.StepTextSize(1);  // already the largest
  EXPECT_EQ(web.calls, (Calls{"ExecWB(19,2,1)", "ExecWB(19,2,2)", "ExecWB(19,2,2)",
                              "ExecWB(19,2,3)", "ExecWB(19,2,4)"}));
}

}  // namespace
}  // namespace tarravelle
