#pragma once

#include <sigc++/signal.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Gtk {
class Widget;
}

namespace tarravelle {

// Command ids of ExecWB, in the engine's published numbering.
enum class EngineCommand : int {
  SaveAs = 4,
  Print = 6,
  PrintPreview = 7,
  PageSetup = 8,
  Properties = 10,
  Cut = 11,
  Copy = 12,
  Paste = 13,
  Undo = 15,
  SelectAll = 17,
  ClearSelection = 18,
  Zoom = 19,
};

// Execution options of ExecWB.
enum class EngineCommandOption : int { DoDefault = 0, DontPromptUser = 2 };

// What CommandStateChange speaks of, in the engine's published numbering.
enum class EngineCommandState : int { NavigateForward = 1, NavigateBack = 2 };

// The frame an event speaks of. The program's handlers ignore it and read the top-level values.
struct EngineFrame {
  bool topLevel = true;
};

// A request of the page to open a new window. A handler sets Cancel to stop it.
struct NewWindowRequest {
  std::string url;
  bool Cancel = false;
};

// An embedded web engine instance, under the operation, property and event names that the
// program uses. Operations return false when the engine refuses them; nothing throws.
class BrowserEngine {
 public:
  virtual ~BrowserEngine() = default;

  // The widget to place in a window.
  virtual Gtk::Widget& Widget() = 0;

  // Gets the engine ready for its first page ahead of time (for instance while a splash screen
  // shows), so that the first navigation does not wait for it. Nothing of it is told through
  // the events, shown, or kept in the history.
  virtual void Prepare() {}

  // Starts loading the address and returns at once. A scheme-less address gets the usual fix-up
  // (a bare host loads over http). Empty and malformed addresses are refused.
  virtual bool Navigate(const std::string& address) = 0;
  // Shows the folder that a serialised item-id list names.
  virtual bool Navigate2(const std::vector<std::uint8_t>& itemIdList) = 0;
  virtual bool GoBack() = 0;
  virtual bool GoForward() = 0;
  // The engine's own home page, a setting of the engine rather than of the window.
  virtual bool GoHome() = 0;
  virtual bool Stop() = 0;
  virtual bool Refresh() = 0;
  // Runs a command on the loaded page; `input` carries the zoom level and similar arguments.
  virtual bool ExecWB(EngineCommand command, EngineCommandOption option,
                      std::optional<int> input = std::nullopt) = 0;
  // Sets the loaded document's designMode ("On" or "Off"); false when no document is loaded.
  virtual bool SetDocumentDesignMode(const std::string& mode) = 0;
  // Opens the engine's own find bar over the page, as Ctrl+F inside the page does; false when
  // no page is loaded.
  virtual bool OpenFind() = 0;

  // The address and the name (title, or the address when untitled) of the top-level page;
  // nothing while no page is loaded.
  virtual std::optional<std::string> LocationURL() const = 0;
  virtual std::optional<std::string> LocationName() const = 0;

  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Focus() = 0;
  // How many downloads of this engine's pages are still running; they are cancelled, and their
  // partial files removed, when the engine goes.
  virtual int DownloadsRunning() const { return 0; }
  virtual bool HasFocus() const = 0;

  sigc::signal<void(const std::string&)> StatusTextChange;
  sigc::signal<void(std::int32_t progress, std::int32_t progressMax)> ProgressChange;
  sigc::signal<void()> DownloadBegin;
  sigc::signal<void()> DownloadComplete;
  sigc::signal<void(const std::string&)> TitleChange;
  sigc::signal<void(const EngineFrame&, const std::string& url)> NavigateComplete2;
  sigc::signal<void(const EngineFrame&, const std::string& url)> DocumentComplete;
  // Going back or forward in the page history has become possible, or impossible.
  sigc::signal<void(EngineCommandState command, bool enable)> CommandStateChange;
  // Raised before any new window opens; the engine reads Cancel after the handlers return.
  sigc::signal<void(NewWindowRequest&)> NewWindow2;
};

}  // namespace tarravelle
