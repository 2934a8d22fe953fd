#pragma once

#include <sigc++/trackable.h>

#include <array>
#include <string_view>

#include "browse/address_bar.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// What a key of every browser does here: each runs the handler of the button or item it stands
// for, so that handler's rules hold.
enum class BrowserKeyAction { Back, Forward, FocusAddress, StopLoading, Refresh };

struct BrowserKey {
  std::string_view trigger;  // GTK accelerator text
  BrowserKeyAction action;
  // Taken before the page sees it, as every browser takes history keys; otherwise the key is
  // the focused field's or the page's first.
  bool beforePage = false;
};

inline constexpr std::array<BrowserKey, 8> kBrowserKeys{{
    {"<Alt>Left", BrowserKeyAction::Back, true},
    {"<Alt>Right", BrowserKeyAction::Forward, true},
    {"<Control>l", BrowserKeyAction::FocusAddress},
    {"<Alt>d", BrowserKeyAction::FocusAddress},
    {"F6", BrowserKeyAction::FocusAddress},
    {"Escape", BrowserKeyAction::StopLoading},
    // Refresh wherever the focus is in the page view, also on the engine's own pages.
    {"<Control>r", BrowserKeyAction::Refresh, true},
    {"<Control><Shift>r", BrowserKeyAction::Refresh, true},
}};

// The keys of every browser on a main window, besides its menus' own. They come after the
// focused control and the page: a key the page or a field uses stays theirs.
class BrowserKeys : public sigc::trackable {
 public:
  BrowserKeys(Form1Controls& form, AddressBar& addressBar);

  // Runs what the key does now; false when it does nothing at this moment (Back with Back
  // disabled, Escape with no page loading, ...).
  bool Run(BrowserKeyAction action);

 private:
  Form1Controls& form_;
  AddressBar& addressBar_;
  bool loading_ = false;
};

}  // namespace tarravelle
