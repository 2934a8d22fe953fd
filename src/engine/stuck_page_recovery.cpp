#include "engine/stuck_page_recovery.h"

#include <glibmm/main.h>

namespace tarravelle {
namespace {
// WebKit notices within about three seconds that a page does not answer; a busy page often
// answers again within a moment, so it is only said when it lasts as long again.
constexpr unsigned kUnresponsiveMs = 3000;
}  // namespace

StuckPageRecovery::StuckPageRecovery(WebKitWebView* view,
                                     std::function<void(const std::string&)> notice)
    : view_(view), notice_(std::move(notice)) {}

StuckPageRecovery::~StuckPageRecovery() { unresponsive_.disconnect(); }

void StuckPageRecovery::Unstick() {
  if (webkit_web_view_get_is_web_process_responsive(view_)) return;
  ending_ = true;
  webkit_web_view_terminate_web_process(view_);
}

void StuckPageRecovery::End() {
  ending_ = true;
  webkit_web_view_terminate_web_process(view_);
}

void StuckPageRecovery::ResponsivenessChanged() {
  unresponsive_.disconnect();
  if (webkit_web_view_get_is_web_process_responsive(view_)) return;
  // A navigation the stuck page holds up: its process is ended and the navigation made again.
  if (retry_) {
    auto retry = std::move(retry_);
    retry_ = nullptr;
    ending_ = true;
    webkit_web_view_terminate_web_process(view_);
    retry();
    return;
  }
  unresponsive_ = Glib::signal_timeout().connect(
      [this] {
        if (!webkit_web_view_get_is_web_process_responsive(view_)) {
          notice_("The page is not responding. Go to another page, or press Refresh, to stop it.");
        }
        return false;
      },
      kUnresponsiveMs);
}

bool StuckPageRecovery::TakeOwnEnding() {
  unresponsive_.disconnect();
  const bool ours = ending_;
  ending_ = false;
  return ours;
}

}  // namespace tarravelle
