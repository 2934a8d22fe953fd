#pragma once

#include <sigc++/trackable.h>

#include <cstdint>
#include <string>

#include "ports/browser_engine.h"
#include "ui/form1_controls.h"

namespace tarravelle {

inline constexpr const char* kProgramTitle = "Tarravelle.™";

// "Reading 2048  of  10000": both numbers exactly as the engine sends them.
std::string ProgressText(std::int32_t progress, std::int32_t progressMax);
// The caption for a page title: the title without leading and trailing spaces (U+0020 only),
// " - " and the program title.
std::string TitleCaption(const std::string& title);

// Shows the page view's events on the status line, in the caption and in the address bar.
class StatusLine : public sigc::trackable {
 public:
  explicit StatusLine(Form1Controls& form);

  void wWeb_StatusTextChange(const std::string& text);
  void wWeb_ProgressChange(std::int32_t progress, std::int32_t progressMax);
  void wWeb_DownloadBegin();
  void wWeb_DownloadComplete();
  void wWeb_TitleChange(const std::string& text);
  void wWeb_NavigateComplete2(const EngineFrame& frame, const std::string& url);
  void wWeb_DocumentComplete(const EngineFrame& frame, const std::string& url);

 private:
  Form1Controls& form_;
};

}  // namespace tarravelle
