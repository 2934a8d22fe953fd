#pragma once

#include <sigc++/trackable.h>

#include <string>

#include "ui/form1_controls.h"

namespace tarravelle {

inline constexpr const char* kSearchHost = "www.google.com";

// "https://", the search service's host, "/search?q=" and the text percent-encoded as UTF-8.
std::string SearchAddress(const std::string& text);

// The search box and its button.
class SearchBar : public sigc::trackable {
 public:
  explicit SearchBar(Form1Controls& form);

  void cmdGoogle_Click();
  // Enter in the search box runs Go while the address bar is shown, and nothing otherwise.
  void txtSearch_Activate();

 private:
  Form1Controls& form_;
};

}  // namespace tarravelle
