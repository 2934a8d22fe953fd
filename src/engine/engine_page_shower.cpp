#include "engine/engine_page_shower.h"

#include <glibmm/main.h>

#include "engine/page_properties.h"

namespace tarravelle {
namespace {
constexpr std::int32_t kProgressMax = 10000;
}

void EnginePageShower::Show(EnginePageText page) {
  SetPageResponse(view_, nullptr);  // the engine's page comes from no server
  failure_ = page.failure;
  shown_ = page.shown;
  address_ = page.address;
  state_ = State::Pending;
  idle_.disconnect();
  idle_ = Glib::signal_idle().connect([this, html = page.html, address = page.address] {
    webkit_web_view_load_alternate_html(view_, html.c_str(), address.c_str(), nullptr);
    return false;
  });
  // Told last: whoever hears it may ask for another page at once.
  events_.StatusTextChange.emit(failure_);
}

bool EnginePageShower::LoadChanged(WebKitLoadEvent event, const std::string& uri) {
  if (state_ == State::None) return false;
  if (event == WEBKIT_LOAD_STARTED) state_ = State::Loading;
  if (event != WEBKIT_LOAD_FINISHED || state_ != State::Loading) return true;
  // Only its end is told, as the end of the failed load.
  state_ = State::None;
  const std::string shown = shown_.empty() ? uri : shown_;
  events_.ProgressChange.emit(-1, kProgressMax);
  events_.DownloadComplete.emit();
  events_.NavigateComplete2.emit(EngineFrame{}, shown);
  events_.DocumentComplete.emit(EngineFrame{}, shown);
  if (!failure_.empty()) events_.StatusTextChange.emit(failure_);
  return true;
}

void EnginePageShower::Cancel() {
  if (state_ != State::Pending) return;
  idle_.disconnect();
  state_ = State::None;
}

void EnginePageShower::PageStarted() {
  shown_.clear();
  failure_.clear();
}

std::optional<std::string> EnginePageShower::Replacing() const {
  if (state_ == State::None || address_.empty() || address_.starts_with("tarravelle:")) {
    return std::nullopt;
  }
  return address_;
}

std::optional<std::string> EnginePageShower::StandsFor() const {
  if (shown_.empty() || state_ != State::None) return std::nullopt;
  return shown_;
}

}  // namespace tarravelle
