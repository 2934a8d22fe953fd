#pragma once

#include <gtkmm/box.h>
#include <gtkmm/window.h>
#include <webkit/webkit.h>

#include <list>
#include <memory>
#include <optional>

#include "engine/find_bar.h"
#include "engine/page_printing.h"
#include "ports/browser_engine.h"
#include "ports/lifetime.h"
#include "ports/prompts.h"

namespace tarravelle {

// The zoom factor of the page's text at each of the engine's five text sizes, smallest first.
inline constexpr double kTextZoom[] = {0.7, 0.85, 1.0, 1.2, 1.5};

// The tools that work on the page a view shows: editing, the text size, design mode, the find
// bar, printing, page setup, print preview, saving and the properties dialog. The engine's one
// command entry dispatches to them; each acts on the page as it is when it is called.
class PageTools {
 public:
  // The find bar goes under the view in `holder`; a failed save is said through `prompts`
  // (without it, only logged).
  PageTools(WebKitWebView* view, Gtk::Box& holder, Prompts* prompts);
  ~PageTools();
  PageTools(const PageTools&) = delete;
  PageTools& operator=(const PageTools&) = delete;

  // The engine's command of this id, with its option and input; false when it cannot run.
  bool Run(EngineCommand command, EngineCommandOption option, std::optional<int> input);
  // An editing command (WEBKIT_EDITING_COMMAND_...), run when the page says it can run it.
  void Edit(const char* command);
  // Removes the page's selection; a focused field keeps its caret at the end of what was
  // selected.
  void ClearSelection();
  void SetDesignMode(bool on);
  // One of the five text sizes, smallest (0) first; false for any other number.
  bool SetTextSize(int level);
  // Shows the find bar with its text selected.
  void Find();
  // With `prompt`, the print dialog; otherwise straight to the printer.
  void Print(bool prompt);
  void PageSetup();
  void PrintPreview();
  void SaveAs();
  void Properties();

 private:
  // The window the view is shown in, the parent of the tools' dialogs; null when in none.
  GtkWindow* Parent() const;
  void RunScript(const char* script);
  // A dialog of the tools' own, deleted once it has been closed and its hide handled.
  void Keep(std::unique_ptr<Gtk::Window> dialog);

  WebKitWebView* view_;
  Gtk::Box& holder_;
  Prompts* prompts_;
  std::unique_ptr<FindBar> findBar_;
  PagePrinting printing_;
  std::list<std::unique_ptr<Gtk::Window>> dialogs_;
  Lifetime lifetime_;
};

}  // namespace tarravelle
