#include "page/edit_commands.h"

#include <gdkmm/clipboard.h>
#include <glibmm/main.h>
#include <gtkmm/shortcutcontroller.h>

namespace tarravelle {
namespace {

void ExecOnPage(Form1Controls& form, EngineCommand command) {
  form.wWeb->ExecWB(command, EngineCommandOption::DoDefault);
}

}  // namespace

EditCommands::EditCommands(Form1Controls& form) : form_(form) {
  form.Menu("mnuEditUndo").signal_click().connect([this](int) { mnuEditUndo_Click(); });
  form.Menu("mnuEditCut").signal_click().connect([this](int) { mnuEditCut_Click(); });
  form.Menu("mnuEditCopy").signal_click().connect([this](int) { mnuEditCopy_Click(); });
  form.Menu("mnuEditPaste").signal_click().connect([this](int) { mnuEditPaste_Click(); });
  form.Menu("mnuEditSelectAll").signal_click().connect([this](int) { mnuEditSelectAll_Click(); });
  form.Menu("mnuEditSelectNone").signal_click().connect([this](int) { mnuEditSelectNone_Click(); });
  form.Menu("mnuEditFind").signal_click().connect([this](int) { mnuEditFind_Click(); });

  // Ctrl+F is Find's own key anywhere in the window, as it is inside the page.
  auto keys = Gtk::ShortcutController::create();
  keys->set_scope(Gtk::ShortcutScope::GLOBAL);
  keys->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
  keys->add_shortcut(Gtk::Shortcut::create(
      Gtk::ShortcutTrigger::parse_string("<Control>f"),
      Gtk::CallbackAction::create([this](Gtk::Widget&, const Glib::VariantBase&) {
        mnuEditFind_Click();
        return true;
      })));
  form.window.add_controller(keys);
}

EditCommands::~EditCommands() { find_.disconnect(); }

void EditCommands::mnuEditUndo_Click() {
  if (form_.ActiveControl() == "wWeb") ExecOnPage(form_, EngineCommand::Undo);
}

void EditCommands::mnuEditCut_Click() {
  form_.wWeb->Focus();
  ExecOnPage(form_, EngineCommand::Cut);
}

void EditCommands::mnuEditCopy_Click() {
  form_.wWeb->Focus();
  ExecOnPage(form_, EngineCommand::Copy);
}

void EditCommands::mnuEditPaste_Click() {
  const auto active = form_.ActiveControl();
  if (active == "wWeb") {
    ExecOnPage(form_, EngineCommand::Paste);
  } else if (active == "cboURL") {
    auto* entry = form_.cboURL.get_entry();
    int start = 0, end = 0;
    if (!entry->get_selection_bounds(start, end)) start = end = entry->get_position();
    // The clipboard answers later; its text replaces the selection as it stood when asked.
    // No text at all replaces it with nothing.
    auto clipboard = entry->get_clipboard();
    clipboard->read_text_async(
        lifetime_.Guard([entry, clipboard, start, end](Glib::RefPtr<Gio::AsyncResult>& result) {
          Glib::ustring text;
          try {
            text = clipboard->read_text_finish(result);
          } catch (const Glib::Error&) {
          }
          // Put in before the selection goes, so that a text the field refuses (too long for
          // an address) leaves the field as it was.
          int position = end;
          entry->insert_text(text, static_cast<int>(text.bytes()), position);
          if (position == end && !text.empty()) return;
          entry->delete_text(start, end);
          entry->set_position(position - (end - start));
        }));
  }
}

void EditCommands::mnuEditSelectAll_Click() {
  const auto active = form_.ActiveControl();
  if (active == "wWeb") {
    ExecOnPage(form_, EngineCommand::SelectAll);
  } else if (active == "cboURL") {
    form_.cboURL.get_entry()->select_region(0, -1);
  }
}

void EditCommands::mnuEditSelectNone_Click() {
  const auto active = form_.ActiveControl();
  if (active == "wWeb") {
    ExecOnPage(form_, EngineCommand::ClearSelection);
  } else if (active == "cboURL") {
    form_.cboURL.get_entry()->set_position(-1);
  }
}

void EditCommands::mnuEditFind_Click() {
  form_.wWeb->Focus();
  // The engine's find opens once this handler has returned, as a queued Ctrl+F would.
  find_.disconnect();
  find_ = Glib::signal_idle().connect([this] {
    form_.wWeb->OpenFind();
    return false;
  });
}

}  // namespace tarravelle
