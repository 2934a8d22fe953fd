#pragma once

#include <sigc++/connection.h>
#include <webkit/webkit.h>

#include <optional>
#include <string>

#include "engine/engine_pages.h"
#include "ports/browser_engine.h"

namespace tarravelle {

// Shows the engine's own pages in a view, in place of the page that could not be shown. Such a
// page's load is quiet: the program hears of it, through the engine's events, as one completed
// document, and its failure keeps the status line until the next page's load starts.
class EnginePageShower {
 public:
  EnginePageShower(WebKitWebView* view, BrowserEngine& events) : view_(view), events_(events) {}
  ~EnginePageShower() { idle_.disconnect(); }
  EnginePageShower(const EnginePageShower&) = delete;
  EnginePageShower& operator=(const EnginePageShower&) = delete;

  // Shows `page` once the load under way has ended: shown from inside a failure, it is lost.
  void Show(EnginePageText page);
  // A load event of the view; true when it belongs to the engine's page, and is handled here.
  bool LoadChanged(WebKitLoadEvent event, const std::string& uri);
  // A page of the view's own has started loading: the engine's page and its failure are gone.
  void PageStarted();
  // The person asks for a page: an engine's page not yet shown never takes its place.
  void Cancel();
  // The address the page shown stands for when it is not its own (the text of a refused
  // address), once the page is in place.
  std::optional<std::string> StandsFor() const;
  // While an engine's page is on its way in place of a web page (one that failed or crashed),
  // that page's address.
  std::optional<std::string> Replacing() const;

 private:
  WebKitWebView* view_;
  BrowserEngine& events_;
  // The engine's own page: about to load, loading, or none.
  enum class State { None, Pending, Loading } state_ = State::None;
  std::string failure_;  // why the last load failed, until the next starts
  std::string shown_;    // the address the engine's page is told as, when not its own
  std::string address_;  // the address the engine's page stands in for
  sigc::connection idle_;
};

}  // namespace tarravelle
