#include "page/document_commands.h"

#include <glibmm/main.h>

namespace tarravelle {
namespace {
constexpr int kLargestTextSize = 4;
}

int TextSizeLevel(int itemIndex) { return kLargestTextSize - itemIndex; }

DocumentCommands::DocumentCommands(Form1Controls& form) : form_(form) {
  form.Menu("mnuFileEdit").signal_click().connect([this](int) { mnuFileEdit_Click(); });
  form.Menu("mnuFileEditOFF").signal_click().connect([this](int) { mnuFileEditOFF_Click(); });
  form.Menu("mnuFilePageSetup").signal_click().connect([this](int) { mnuFilePageSetup_Click(); });
  form.Menu("mnuFilePrint").signal_click().connect([this](int) { mnuFilePrint_Click(); });
  form.cmdPrint.signal_clicked().connect([this] { cmdPrint_Click(); });
  form.Menu("mnuFilePrintPreview").signal_click().connect([this](int) {
    mnuFilePrintPreview_Click();
  });
  form.Menu("mnuFileSaveAs").signal_click().connect([this](int) { mnuFileSaveAs_Click(); });
  form.Menu("mnuProperties").signal_click().connect([this](int) { mnuProperties_Click(); });
  form.Menu("mnuViewTextSizeFont").signal_click().connect([this](int index) {
    mnuViewTextSizeFont_Click(index);
  });
}

void DocumentCommands::mnuFileEdit_Click() { form_.wWeb->SetDocumentDesignMode("On"); }
void DocumentCommands::mnuFileEditOFF_Click() { form_.wWeb->SetDocumentDesignMode("Off"); }

void DocumentCommands::mnuFilePageSetup_Click() {
  form_.wWeb->Focus();
  form_.wWeb->ExecWB(EngineCommand::PageSetup, EngineCommandOption::DoDefault);
}

void DocumentCommands::mnuFilePrint_Click() {
  form_.wWeb->ExecWB(EngineCommand::Print, EngineCommandOption::DoDefault);
}

void DocumentCommands::cmdPrint_Click() { mnuFilePrint_Click(); }

void DocumentCommands::mnuFilePrintPreview_Click() {
  form_.wWeb->ExecWB(EngineCommand::PrintPreview, EngineCommandOption::DoDefault, 0);
}

void DocumentCommands::mnuFileSaveAs_Click() {
  form_.wWeb->ExecWB(EngineCommand::SaveAs, EngineCommandOption::DoDefault, 0);
}

void DocumentCommands::mnuProperties_Click() {
  form_.wWeb->ExecWB(EngineCommand::Properties, EngineCommandOption::DoDefault);
}

void DocumentCommands::mnuViewTextSizeFont_Click(int index) {
  form_.wWeb->ExecWB(EngineCommand::Zoom, EngineCommandOption::DontPromptUser,
                     TextSizeLevel(index));
  // The page redraws at its new size before the handler returns; a bounded pass keeps a busy
  // page from holding the handler.
  auto context = Glib::MainContext::get_default();
  for (int pass = 0; pass < 100 && context->iteration(false); ++pass) {
  }
}

}  // namespace tarravelle
