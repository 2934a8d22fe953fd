#include "engine/page_tools.h"

#include <glibmm/main.h>

#include <iterator>

#include "engine/page_properties.h"
#include "engine/page_saving.h"
#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

void OnCanEdit(GObject* view, GAsyncResult* result, gpointer data) {
  const GCharPtr command(static_cast<char*>(data));
  if (webkit_web_view_can_execute_editing_command_finish(WEBKIT_WEB_VIEW(view), result, nullptr)) {
    webkit_web_view_execute_editing_command(WEBKIT_WEB_VIEW(view), command.get());
  }
}

}  // namespace

PageTools::PageTools(WebKitWebView* view, Gtk::Box& holder, Prompts* prompts)
    : view_(view), holder_(holder), prompts_(prompts) {}

PageTools::~PageTools() { dialogs_.clear(); }

bool PageTools::Run(EngineCommand command, EngineCommandOption option, std::optional<int> input) {
  switch (command) {
    case EngineCommand::Cut: Edit(WEBKIT_EDITING_COMMAND_CUT); return true;
    case EngineCommand::Copy: Edit(WEBKIT_EDITING_COMMAND_COPY); return true;
    case EngineCommand::Paste: Edit(WEBKIT_EDITING_COMMAND_PASTE); return true;
    case EngineCommand::Undo: Edit(WEBKIT_EDITING_COMMAND_UNDO); return true;
    case EngineCommand::SelectAll: Edit(WEBKIT_EDITING_COMMAND_SELECT_ALL); return true;
    case EngineCommand::ClearSelection: ClearSelection(); return true;
    case EngineCommand::Zoom: return input && SetTextSize(*input);
    case EngineCommand::Print: Print(option != EngineCommandOption::DontPromptUser); return true;
    case EngineCommand::PageSetup: PageSetup(); return true;
    case EngineCommand::PrintPreview: PrintPreview(); return true;
    case EngineCommand::SaveAs: SaveAs(); return true;
    case EngineCommand::Properties: Properties(); return true;
  }
  return false;
}

GtkWindow* PageTools::Parent() const {
  GtkRoot* root = gtk_widget_get_root(GTK_WIDGET(view_));
  return root && GTK_IS_WINDOW(root) ? GTK_WINDOW(root) : nullptr;
}

void PageTools::RunScript(const char* script) {
  webkit_web_view_evaluate_javascript(view_, script, -1, nullptr, nullptr, nullptr, nullptr,
                                      nullptr);
}

void PageTools::Edit(const char* command) {
  webkit_web_view_can_execute_editing_command(view_, command, nullptr, &OnCanEdit,
                                              g_strdup(command));
}

void PageTools::ClearSelection() {
  RunScript(
      "(function(){var e=document.activeElement;"
      "if(e&&typeof e.selectionEnd==='number'){try{e.selectionStart=e.selectionEnd;}"
      "catch(x){}}else{window.getSelection().removeAllRanges();}})()");
}

void PageTools::SetDesignMode(bool on) {
  RunScript(on ? "document.designMode = 'on'" : "document.designMode = 'off'");
}

bool PageTools::SetTextSize(int level) {
  if (level < 0 || level >= static_cast<int>(std::size(kTextZoom))) return false;
  webkit_web_view_set_zoom_level(view_, kTextZoom[level]);
  return true;
}

void PageTools::Find() {
  if (!findBar_) {
    findBar_ = std::make_unique<FindBar>(view_);
    holder_.append(*findBar_);
  }
  findBar_->Open();
}

void PageTools::Print(bool prompt) { printing_.Print(view_, Parent(), prompt); }

void PageTools::PageSetup() { printing_.PageSetup(Parent()); }

void PageTools::PrintPreview() { printing_.Preview(view_, Parent()); }

void PageTools::SaveAs() { SavePageAs(view_, Parent(), prompts_); }

void PageTools::Properties() {
  auto dialog = std::make_unique<PropertiesWindow>(view_);
  Gtk::Window& window = *dialog;
  Keep(std::move(dialog));
  if (auto* parent = Parent()) gtk_window_set_transient_for(window.gobj(), parent);
  window.present();
}

void PageTools::Keep(std::unique_ptr<Gtk::Window> dialog) {
  Gtk::Window* window = dialog.get();
  dialogs_.push_back(std::move(dialog));
  window->signal_hide().connect([this, window] {
    Glib::signal_idle().connect_once(lifetime_.Guard([this, window] {
      dialogs_.remove_if([window](const auto& owned) { return owned.get() == window; });
    }));
  });
}

}  // namespace tarravelle
