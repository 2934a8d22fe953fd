#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

#include "ui/form_design.h"

// The main window's design: its controls and its menu tree, as data. Both tables are constant
// expressions, so names can be checked against them when the program is compiled.

namespace tarravelle {

namespace design {

constexpr FontDesign kButtonCaptionFont{kTimesNewRoman, 8.25};
constexpr FontDesign kPlayerLabelFont{kTimesNewRoman, 6.75};
constexpr FontDesign kClockFont{kTimesNewRoman, 8.25};

constexpr ControlDesign ToolbarButton(std::string_view name, int left, std::string_view caption,
                                      std::string_view toolTip, PictureDesign picture, int tabIndex,
                                      bool enabled = true) {
  return {.name = name,
          .kind = ControlKind::PictureButton,
          .left = left,
          .top = 120,
          .width = 735,
          .height = 615,
          .caption = caption,
          .toolTip = toolTip,
          .picture = picture,
          .backColour = kGreen,
          .tabIndex = tabIndex,
          .enabled = enabled};
}

constexpr ControlDesign PlayerButton(std::string_view name, int left, std::string_view picture,
                                     int tabIndex, std::string_view accessibleName) {
  return {.name = name,
          .kind = ControlKind::PictureButton,
          .left = left,
          .top = 360,
          .width = 375,
          .height = 255,
          .picture = {picture, 20, 11},
          .backColour = kGreen,
          .tabIndex = tabIndex,
          .accessibleName = accessibleName};
}

constexpr ControlDesign PlayerLabel(std::string_view name, int left, int width,
                                    std::string_view caption, int tabIndex) {
  return {.name = name,
          .kind = ControlKind::Counter,
          .left = left,
          .top = 600,
          .width = width,
          .height = 255,
          .caption = caption,
          .foreColour = kGreen,
          .backColour = kBlack,
          .font = kPlayerLabelFont,
          .tabIndex = tabIndex};
}

}  // namespace design

// The controls of the main window, in the order they are stacked (later ones lie above).
inline constexpr std::array kForm1Controls{
    // Toolbar row.
    design::ToolbarButton("cmdBack", 360, "Back", "Back", {"back", 23, 23}, 0, false),
    design::ToolbarButton("cmdForward", 1200, "Forward", "Forward", {"forward", 23, 23}, 9, false),
    design::ToolbarButton("cmdStop", 2040, "Stop", "Stop", {"stop", 19, 23}, 8),
    design::ToolbarButton("cmdRefresh", 2880, "Refresh", "Refresh", {"refresh", 19, 23}, 5),
    design::ToolbarButton("cmdHome", 3720, "Home", "Home", {"home", 23, 23}, 2),
    ControlDesign{.name = "cmdPopups",
                  .kind = ControlKind::PictureButton,
                  .left = 4560,
                  .top = 120,
                  .width = 735,
                  .height = 615,
                  .caption = "Pop-ups Disabled",
                  .toolTip = "Enable/Diable Pop-Ups",
                  .backColour = kGreen,
                  .font = design::kButtonCaptionFont,
                  .tabIndex = 10},
    design::ToolbarButton("cmdPrint", 5400, "Print", "Print", {"print", 23, 24}, 12),
    design::ToolbarButton("cmdMail", 6240, "Mail", "Mail", {"mail", 20, 23}, 13),

    // Player panel.
    ControlDesign{.name = "Label1",
                  .kind = ControlKind::Label,
                  .left = 7080,
                  .top = 0,
                  .width = 4335,
                  .height = 375,
                  .caption = "Sonavelle.™",
                  .foreColour = kLightGreen,
                  .backColour = kBlack,
                  .font = {kTimesNewRoman, 14.25, false, true},
                  .align = Align::Centre,
                  .tabIndex = 18},
    design::PlayerButton("cmdPlay", 7560, "play", 19, "Play"),
    design::PlayerButton("cmdstop2", 8040, "stop2", 20, "Stop"),
    design::PlayerButton("cmdpause", 8520, "pause", 22, "Pause"),
    design::PlayerButton("cmdeject", 9000, "eject", 21, "Eject"),
    design::PlayerButton("cmdclose2", 9480, "close2", 25, "Close"),
    design::PlayerButton("cmdrewind", 9960, "rewind", 23, "Skip back"),
    design::PlayerButton("cmdforward2", 10440, "forward2", 24, "Skip forward"),
    design::PlayerLabel("lblTime", 7080, 1095, "Total Time:00:00", 26),
    design::PlayerLabel("lblFrame", 8160, 1215, "Total Frm: 00", 27),
    design::PlayerLabel("lbl", 9240, 1215, "Current Frm: 00", 28),
    design::PlayerLabel("lblcaption", 10560, 1095, "Sonavelle", 29),

    // Search bar, date and clock.
    ControlDesign{.name = "txtSearch",
                  .kind = ControlKind::TextBox,
                  .left = 11520,
                  .top = 120,
                  .width = 2295,
                  .height = 405,
                  .font = {kTimesNewRoman, 12},
                  .tabIndex = 14},
    ControlDesign{.name = "cmdGoogle",
                  .kind = ControlKind::PictureButton,
                  .left = 13920,
                  .top = 120,
                  .width = 1095,
                  .height = 615,
                  .caption = "Google Search",
                  .picture = {"search", 48, 17},
                  .backColour = kGreen,
                  .font = design::kButtonCaptionFont,
                  .tabIndex = 15},
    ControlDesign{.name = "lblDate",
                  .kind = ControlKind::Counter,
                  .left = 11760,
                  .top = 600,
                  .width = 1095,
                  .height = 255,
                  .caption = "Date",
                  .foreColour = kGreen,
                  .backColour = kBlack,
                  .font = design::kClockFont,
                  .align = Align::Centre,
                  .tabIndex = 7},
    ControlDesign{.name = "lblTimer",
                  .kind = ControlKind::Counter,
                  .left = 12840,
                  .top = 600,
                  .width = 975,
                  .height = 255,
                  .caption = "Time",
                  .foreColour = kGreen,
                  .backColour = kBlack,
                  .font = design::kClockFont,
                  .align = Align::Centre,
                  .tabIndex = 6},

    // Address bar.
    ControlDesign{.name = "lblAddress",
                  .kind = ControlKind::Label,
                  .left = 360,
                  .top = 840,
                  .width = 1215,
                  .height = 375,
                  .caption = "Address:",
                  .foreColour = kGreen,
                  .backColour = kBlack,
                  .font = {kMsSansSerif, 12},
                  .align = Align::Centre,
                  .tabIndex = 3},
    ControlDesign{.name = "cboURL",
                  .kind = ControlKind::ComboBox,
                  .left = 1680,
                  .top = 840,
                  .width = 12615,
                  .height = 375,
                  .foreColour = kGreen,
                  .backColour = kBlack,
                  .font = {kTimesNewRoman, 11.25},
                  .tabIndex = 4},
    ControlDesign{.name = "cmdGo",
                  .kind = ControlKind::PictureButton,
                  .left = 14400,
                  .top = 840,
                  .width = 615,
                  .height = 375,
                  .toolTip = "Go!",
                  .picture = {"go", 18, 18},
                  .backColour = kGreen,
                  .tabIndex = 1},

    // Page area: the side pane and its close button lie above the page view.
    ControlDesign{.name = "wWeb",
                  .kind = ControlKind::Engine,
                  .left = 360,
                  .top = 1320,
                  .width = 14655,
                  .height = 8655,
                  .tabIndex = 30},
    ControlDesign{.name = "WB1",
                  .kind = ControlKind::Engine,
                  .left = 360,
                  .top = 1800,
                  .width = 3975,
                  .height = 8175,
                  .tabIndex = 31,
                  .visible = false},
    ControlDesign{.name = "cmdCloseFavs",
                  .kind = ControlKind::PictureButton,
                  .left = 360,
                  .top = 1320,
                  .width = 3975,
                  .height = 495,
                  .caption = "Close IE Favorites",
                  .backColour = kRed,
                  .tabIndex = 16,
                  .visible = false,
                  .enabled = false},

    // Status line: the caption label lies above the right end of the status text.
    ControlDesign{.name = "lblStatus",
                  .kind = ControlKind::Label,
                  .left = 360,
                  .top = 9960,
                  .width = 14655,
                  .height = 255,
                  .caption = "Done",
                  .foreColour = kGreen,
                  .backColour = kBlack,
                  .tabIndex = 11},
    ControlDesign{.name = "lblcaption2",
                  .kind = ControlKind::Label,
                  .left = 11520,
                  .top = 9960,
                  .width = 3495,
                  .height = 255,
                  .caption = "Caption",
                  .foreColour = kGreen,
                  .backColour = kBlack,
                  .align = Align::Centre,
                  .tabIndex = 17},
};

namespace design {

constexpr MenuDesign Item(std::string_view name, int level, std::string_view caption,
                          std::string_view shortcut = {}) {
  return {.name = name, .level = level, .caption = caption, .shortcut = shortcut};
}

constexpr MenuDesign Switch(std::string_view name, int level, std::string_view caption,
                            bool checked) {
  return {.name = name, .level = level, .caption = caption, .checkable = true, .checked = checked};
}

constexpr MenuDesign TextSize(int index, std::string_view caption) {
  return {.name = "mnuViewTextSizeFont", .level = 2, .caption = caption, .index = index};
}

}  // namespace design

// The menu tree of the main window.
inline constexpr std::array kForm1Menus{
    design::Item("mnuFile", 0, "&File"),
    design::Item("mnuFileNew", 1, "New"),
    design::Item("mnuFileNewNewWindow", 2, "&New Window", "<Control>n"),
    design::Item("mnuFileNewSeparator", 2, "-"),
    design::Item("mnuFileNewMessage", 2, "&Message"),
    design::Item("mnuFileOpen", 1, "&Open", "<Control>o"),
    design::Item("mnuFileSeparator", 1, "-"),
    design::Item("mnuFileEdit", 1, "E&dit ON"),
    design::Item("mnuFileEditOFF", 1, "Ed&it OFF"),
    design::Item("mnuSeparator4", 1, "-"),
    MenuDesign{.name = "mnuFileSave",
               .level = 1,
               .caption = "&Save",
               .shortcut = "<Control>s",
               .enabled = false},
    design::Item("mnuFileSaveAs", 1, "S&ave As..."),
    design::Item("mnuFileSeparator2", 1, "-"),
    design::Item("mnuFilePageSetup", 1, "Page Set&up"),
    design::Item("mnuFilePrint", 1, "&Print", "<Control>p"),
    design::Item("mnuFilePrintPreview", 1, "Print Pre&view"),
    design::Item("mnuFileSeparator3", 1, "-"),
    design::Item("mnuProperties", 1, "P&roperties"),
    design::Switch("mnuFileWorkOffline", 1, "&Work Offline", false),
    design::Item("mnuFileClose", 1, "&Close"),
    design::Item("mnuEdit", 0, "&Edit"),
    design::Item("mnuEditUndo", 1, "&Undo"),
    design::Item("mnuEditSeparator0", 1, "-"),
    design::Item("mnuEditCut", 1, "Cu&t", "<Control>x"),
    design::Item("mnuEditCopy", 1, "&Copy", "<Control>c"),
    design::Item("mnuEditPaste", 1, "&Paste", "<Control>v"),
    design::Item("mnuEditSeparator", 1, "-"),
    design::Item("mnuEditSelectAll", 1, "Select &All", "<Control>a"),
    design::Item("mnuEditSelectNone", 1, "Select None"),
    design::Item("mnuEditSeparator2", 1, "-"),
    design::Item("mnuEditFind", 1, "&Find (on this page)"),
    design::Item("mnuView", 0, "&View"),
    design::Item("mnuViewGoTo", 1, "G&o To"),
    // Greyed, as their buttons are, until the page history has somewhere to go.
    MenuDesign{.name = "mnuViewGoToBack", .level = 2, .caption = "&Back", .enabled = false},
    MenuDesign{.name = "mnuViewGoToForward", .level = 2, .caption = "&Forward", .enabled = false},
    design::Item("mnuViewGoToSeparator", 2, "-"),
    design::Item("mnuViewGoToHome", 2, "&HomePage"),
    design::Item("mnuViewSeparator", 1, "-"),
    design::Item("mnuViewStop", 1, "Sto&p"),
    design::Item("mnuViewRefresh", 1, "&Refresh", "F5"),
    design::Item("mnuViewTextSize", 1, "Te&xt Size"),
    design::TextSize(0, "Larg&est"),
    design::TextSize(1, "&Larger"),
    design::TextSize(2, "&Medium"),
    design::TextSize(3, "&Smaller"),
    design::TextSize(4, "Sm&allest"),
    design::Item("mnuViewSeparator2", 1, "-"),
    design::Switch("mnuTarravelle", 1, "Sona&velle", true),
    design::Switch("mnuGooglebar", 1, "&GoogleBar", true),
    design::Switch("mnuStandardButtons", 1, "Standard &Buttons", true),
    design::Switch("mnuAddressBar", 1, "Address &Bar", true),
    design::Item("mnuFavorites", 0, "F&avorites"),
    design::Item("mnuFavoritesAddFavorites", 1, "&Add to Favorites"),
    design::Item("mnuFavoritesShowFavorites", 1, "&Show Favorites"),
    design::Item("mnuFavoritesInternetExplorerFavorites", 1, "Internet &Explorer Favorites"),
    design::Item("mnuFavoritesSeparator", 1, "-"),
    design::Item("mnuTools", 0, "&Tools"),
    design::Item("mnuToolsMailNews", 1, "&Mail & News"),
    design::Item("mnuToolsAddressBook", 1, "&Address Book"),
    design::Item("mnuToolsSeparator0", 1, "-"),
    design::Item("mnuToolsChangeTheme", 1, "&Change Tarravelle Color"),
    design::Item("mnuToolsSeparator", 1, "-"),
    design::Item("mnuToolsHistory", 1, "Show &History"),
    design::Item("mnuToolsSeparator2", 1, "-"),
    design::Item("mnuToolsInternetOption", 1, "Internet &Options"),
    design::Item("mnuHelp", 0, "&Help"),
    design::Item("mnuHelpWebsite", 1, "Visit &Website"),
    design::Item("mnuSendEmail", 1, "Send &Email to programmer"),
    design::Item("mnuHelpSeparator", 1, "-"),
    design::Item("mnuHelpAbout", 1, "&About Tarravelle"),
};

inline std::span<const ControlDesign> Form1ControlDesigns() { return kForm1Controls; }
inline std::span<const MenuDesign> Form1MenuDesigns() { return kForm1Menus; }

// Whether the entry at `index` of the menu tree is an item one can choose: not a separator and
// not a menu of further items.
constexpr bool IsMenuCommand(std::size_t index) {
  const MenuDesign& item = kForm1Menus[index];
  const bool hasChildren =
      index + 1 < kForm1Menus.size() && kForm1Menus[index + 1].level > item.level;
  return !IsSeparator(item) && !hasChildren;
}

// The first entry of the menu tree that is a command of this name (an item array has one name
// for several entries).
constexpr std::optional<std::size_t> FindMenuCommand(std::string_view name) {
  for (std::size_t i = 0; i < kForm1Menus.size(); ++i) {
    if (kForm1Menus[i].name == name && IsMenuCommand(i)) return i;
  }
  return std::nullopt;
}

// The name of a menu command of the main window, checked against the design when the program
// is compiled: `form.Menu("mnuFileClos")` does not build.
class MenuName {
 public:
  template <std::size_t N>
  consteval MenuName(const char (&name)[N])  // NOLINT: converting, so a literal name reads plainly
      : index_(IndexOf(std::string_view(name, N - 1))) {}

  constexpr std::size_t Index() const { return index_; }

 private:
  static consteval std::size_t IndexOf(std::string_view name) {
    const auto index = FindMenuCommand(name);
    if (!index) throw std::invalid_argument("the main window has no menu command of this name");
    return *index;
  }

  std::size_t index_;
};

}  // namespace tarravelle
