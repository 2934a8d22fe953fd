#include "browse/status_line.h"

namespace tarravelle {

std::string ProgressText(std::int32_t progress, std::int32_t progressMax) {
  return "Reading " + std::to_string(progress) + "  of  " + std::to_string(progressMax);
}

std::string TitleCaption(const std::string& title) {
  const auto first = title.find_first_not_of(' ');
  const std::string trimmed = first == std::string::npos
                                  ? ""
                                  : title.substr(first, title.find_last_not_of(' ') - first + 1);
  return trimmed + " - " + kProgramTitle;
}

StatusLine::StatusLine(Form1Controls& form) : form_(form) {
  auto& web = *form.wWeb;
  web.StatusTextChange.connect(sigc::mem_fun(*this, &StatusLine::wWeb_StatusTextChange));
  web.ProgressChange.connect(sigc::mem_fun(*this, &StatusLine::wWeb_ProgressChange));
  web.DownloadBegin.connect(sigc::mem_fun(*this, &StatusLine::wWeb_DownloadBegin));
  web.DownloadComplete.connect(sigc::mem_fun(*this, &StatusLine::wWeb_DownloadComplete));
  web.TitleChange.connect(sigc::mem_fun(*this, &StatusLine::wWeb_TitleChange));
  web.NavigateComplete2.connect(sigc::mem_fun(*this, &StatusLine::wWeb_NavigateComplete2));
  web.DocumentComplete.connect(sigc::mem_fun(*this, &StatusLine::wWeb_DocumentComplete));
}

void StatusLine::wWeb_StatusTextChange(const std::string& text) { form_.lblStatus.set_text(text); }

void StatusLine::wWeb_ProgressChange(std::int32_t progress, std::int32_t progressMax) {
  form_.lblStatus.set_text(ProgressText(progress, progressMax));
}

void StatusLine::wWeb_DownloadBegin() { form_.lblStatus.set_text("Starting Download"); }

void StatusLine::wWeb_DownloadComplete() { form_.lblStatus.set_text("Download Done!"); }

void StatusLine::wWeb_TitleChange(const std::string& text) {
  form_.window.set_title(TitleCaption(text));
}

// Both completion events read the top-level page, whatever frame they speak of.
void StatusLine::wWeb_NavigateComplete2(const EngineFrame&, const std::string&) {
  form_.lblStatus.set_text("Done Loading!");
  if (auto name = form_.wWeb->LocationName()) form_.window.set_title(*name);
}

void StatusLine::wWeb_DocumentComplete(const EngineFrame&, const std::string&) {
  form_.lblStatus.set_text("Done");
  if (auto url = form_.wWeb->LocationURL()) form_.cboURL.get_entry()->set_text(*url);
  if (auto name = form_.wWeb->LocationName()) form_.window.set_title(*name);
}

}  // namespace tarravelle
