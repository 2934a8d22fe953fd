#include "page/document_commands.h"

#include <gtkmm/shortcutcontroller.h>

#include <algorithm>

namespace tarravelle {
namespace {
constexpr int kLargestTextSize = 4;
constexpr int kMediumTextSize = 2;
}  // namespace

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

  // The text size keys of every browser, taken before the page has them.
  const std::pair<const char*, int> keys[] = {
      {"<Control>plus", 1},   {"<Control>equal", 1},        {"<Control>KP_Add", 1},
      {"<Control>minus", -1}, {"<Control>KP_Subtract", -1}, {"<Control>0", 0},
      {"<Control>KP_0", 0},
  };
  auto controller = Gtk::ShortcutController::create();
  controller->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
  for (const auto& [trigger, steps] : keys) {
    controller->add_shortcut(Gtk::Shortcut::create(
        Gtk::ShortcutTrigger::parse_string(trigger),
        Gtk::CallbackAction::create([this, steps](Gtk::Widget&, const Glib::VariantBase&) {
          if (steps == 0) {
            ResetTextSize();
          } else {
            StepTextSize(steps);
          }
          return true;
        })));
  }
  form.window.add_controller(controller);
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
  level_ = TextSizeLevel(index);
  form_.wWeb->ExecWB(EngineCommand::Zoom, EngineCommandOption::DontPromptUser, level_);
}

void DocumentCommands::StepTextSize(int steps) {
  const int level = std::clamp(level_ + steps, 0, kLargestTextSize);
  if (level != level_) mnuViewTextSizeFont_Click(kLargestTextSize - level);
}

void DocumentCommands::ResetTextSize() {
  mnuViewTextSizeFont_Click(kLargestTextSize - kMediumTextSize);
}

}  // namespace tarravelle
