#include "app/form_design.h"

#include <array>

namespace tarravelle {
namespace {

constexpr FontDesign kButtonCaptionFont{kTimesNewRoman, 8.25};
constexpr FontDesign kPlayerLabelFont{kTimesNewRoman, 6.75};
constexpr FontDesign kClockFont{kTimesNewRoman, 8.25};

constexpr ControlDesign ToolbarButton(std::string_view name, int left, std::string_view caption,
                                      std::string_view toolTip, PictureDesign picture,
                                      int tabIndex, bool enabled = true) {
  return {.name = name, .kind = ControlKind::PictureButton, .left = left, .top = 120,
          .width = 735, .height = 615, .caption = caption, .toolTip = toolTip,
          .picture = picture, .backColour = kGreen, .tabIndex = tabIndex, .enabled = enabled};
}

constexpr ControlDesign PlayerButton(std::string_view name, int left, std::string_view picture,
                                     int tabIndex, std::string_view accessibleName) {
  return {.name = name, .kind = ControlKind::PictureButton, .left = left, .top = 360,
          .width = 375, .height = 255, .picture = {picture, 20, 11}, .backColour = kGreen,
          .tabIndex = tabIndex, .accessibleName = accessibleName};
}

constexpr ControlDesign PlayerLabel(std::string_view name, int left, int width,
                                    std::string_view caption, int tabIndex) {
  return {.name = name, .kind = ControlKind::Label, .left = left, .top = 600, .width = width,
          .height = 255, .caption = caption, .foreColour = kGreen, .backColour = kBlack,
          .font = kPlayerLabelFont, .tabIndex = tabIndex};
}

constexpr std::array kControls{
    // Toolbar row.
    ToolbarButton("cmdBack", 360, "Back", "Back", {"back", 23, 23}, 0, false),
    ToolbarButton("cmdForward", 1200, "Forward", "Forward", {"forward", 23, 23}, 9, false),
    ToolbarButton("cmdStop", 2040, "Stop", "Stop", {"stop", 19, 23}, 8),
    ToolbarButton("cmdRefresh", 2880, "Refresh", "Refresh", {"refresh", 19, 23}, 5),
    ToolbarButton("cmdHome", 3720, "Home", "Home", {"home", 23, 23}, 2),
    ControlDesign{.name = "cmdPopups", .kind = ControlKind::PictureButton, .left = 4560,
                  .top = 120, .width = 735, .height = 615, .caption = "Pop-ups Disabled",
                  .toolTip = "Enable/Diable Pop-Ups", .backColour = kGreen,
                  .font = kButtonCaptionFont, .tabIndex = 10},
    ToolbarButton("cmdPrint", 5400, "Print", "Print", {"print", 23, 24}, 12),
    ToolbarButton("cmdMail", 6240, "Mail", "Mail", {"mail", 20, 23}, 13),

    // Player panel.
    ControlDesign{.name = "Label1", .kind = ControlKind::Label, .left = 7080, .top = 0,
                  .width = 4335, .height = 375, .caption = "Sonavelle.™",
                  .foreColour = kLightGreen, .backColour = kBlack,
                  .font = {kTimesNewRoman, 14.25, false, true}, .align = Align::Centre,
                  .tabIndex = 18},
    PlayerButton("cmdPlay", 7560, "play", 19, "Play"),
    PlayerButton("cmdstop2", 8040, "stop2", 20, "Stop"),
    PlayerButton("cmdpause", 8520, "pause", 22, "Pause"),
    PlayerButton("cmdeject", 9000, "eject", 21, "Eject"),
    PlayerButton("cmdclose2", 9480, "close2", 25, "Close"),
    PlayerButton("cmdrewind", 9960, "rewind", 23, "Skip back"),
    PlayerButton("cmdforward2", 10440, "forward2", 24, "Skip forward"),
    PlayerLabel("lblTime", 7080, 1095, "Total Time:00:00", 26),
    PlayerLabel("lblFrame", 8160, 1215, "Total Frm: 00", 27),
    PlayerLabel("lbl", 9240, 1215, "Current Frm: 00", 28),
    PlayerLabel("lblcaption", 10560, 1095, "Sonavelle", 29),

    // Search bar, date and clock.
    ControlDesign{.name = "txtSearch", .kind = ControlKind::TextBox, .left = 11520, .top = 120,
                  .width = 2295, .height = 405, .font = {kTimesNewRoman, 12}, .tabIndex = 14},
    ControlDesign{.name = "cmdGoogle", .kind = ControlKind::PictureButton, .left = 13920,
                  .top = 120, .width = 1095, .height = 615, .caption = "Google Search",
                  .picture = {"search", 48, 17}, .backColour = kGreen,
                  .font = kButtonCaptionFont, .tabIndex = 15},
    ControlDesign{.name = "lblDate", .kind = ControlKind::Label, .left = 11760, .top = 600,
                  .width = 1095, .height = 255, .caption = "Date", .foreColour = kGreen,
                  .backColour = kBlack, .font = kClockFont, .align = Align::Centre,
                  .tabIndex = 7},
    ControlDesign{.name = "lblTimer", .kind = ControlKind::Label, .left = 12840, .top = 600,
                  .width = 975, .height = 255, .caption = "Time", .foreColour = kGreen,
                  .backColour = kBlack, .font = kClockFont, .align = Align::Centre,
                  .tabIndex = 6},

    // Address bar.
    ControlDesign{.name = "lblAddress", .kind = ControlKind::Label, .left = 360, .top = 840,
                  .width = 1215, .height = 375, .caption = "Address:", .foreColour = kGreen,
                  .backColour = kBlack, .font = {kMsSansSerif, 12}, .align = Align::Centre,
                  .tabIndex = 3},
    ControlDesign{.name = "cboURL", .kind = ControlKind::ComboBox, .left = 1680, .top = 840,
                  .width = 12615, .height = 375, .foreColour = kGreen, .backColour = kBlack,
                  .font = {kTimesNewRoman, 11.25}, .tabIndex = 4},
    ControlDesign{.name = "cmdGo", .kind = ControlKind::PictureButton, .left = 14400,
                  .top = 840, .width = 615, .height = 375, .toolTip = "Go!",
                  .picture = {"go", 18, 18}, .backColour = kGreen, .tabIndex = 1},

    // Page area: the side pane and its close button lie above the page view.
    ControlDesign{.name = "wWeb", .kind = ControlKind::Engine, .left = 360, .top = 1320,
                  .width = 14655, .height = 8655, .tabIndex = 30},
    ControlDesign{.name = "WB1", .kind = ControlKind::Engine, .left = 360, .top = 1800,
                  .width = 3975, .height = 8175, .tabIndex = 31, .visible = false},
    ControlDesign{.name = "cmdCloseFavs", .kind = ControlKind::PictureButton, .left = 360,
                  .top = 1320, .width = 3975, .height = 495, .caption = "Close IE Favorites",
                  .backColour = kRed, .tabIndex = 16, .visible = false, .enabled = false},

    // Status line: the caption label lies above the right end of the status text.
    ControlDesign{.name = "lblStatus", .kind = ControlKind::Label, .left = 360, .top = 9960,
                  .width = 14655, .height = 255, .caption = "Done", .foreColour = kGreen,
                  .backColour = kBlack, .tabIndex = 11},
    ControlDesign{.name = "lblcaption2", .kind = ControlKind::Label, .left = 11520,
                  .top = 9960, .width = 3495, .height = 255, .caption = "Caption",
                  .foreColour = kGreen, .backColour = kBlack, .align = Align::Centre,
                  .tabIndex = 17},
};

constexpr MenuDesign Item(std::string_view name, int level, std::string_view caption,
                          std::string_view shortcut = {}) {
  return {.name = name, .level = level, .caption = caption, .shortcut = shortcut};
}

constexpr MenuDesign Switch(std::string_view name, int level, std::string_view caption,
                            bool checked) {
  return {.name = name, .level = level, .caption = caption, .checkable = true,
          .checked = checked};
}

constexpr MenuDesign TextSize(int index, std::string_view caption) {
  return {.name = "mnuViewTextSizeFont", .level = 2, .caption = caption, .index = index};
}

constexpr std::array kMenus{
    Item("mnuFile", 0, "&File"),
    Item("mnuFileNew", 1, "New"),
    Item("mnuFileNewNewWindow", 2, "&New Window", "<Control>n"),
    Item("mnuFileNewSeparator", 2, "-"),
    Item("mnuFileNewMessage", 2, "&Message"),
    Item("mnuFileOpen", 1, "&Open", "<Control>o"),
    Item("mnuFileSeparator", 1, "-"),
    Item("mnuFileEdit", 1, "E&dit ON"),
    Item("mnuFileEditOFF", 1, "Ed&it OFF"),
    Item("mnuSeparator4", 1, "-"),
    MenuDesign{.name = "mnuFileSave", .level = 1, .caption = "&Save", .shortcut = "<Control>s",
               .enabled = false},
    Item("mnuFileSaveAs", 1, "S&ave As..."),
    Item("mnuFileSeparator2", 1, "-"),
    Item("mnuFilePageSetup", 1, "Page Set&up"),
    Item("mnuFilePrint", 1, "&Print", "<Control>p"),
    Item("mnuFilePrintPreview", 1, "Print Pre&view"),
    Item("mnuFileSeparator3", 1, "-"),
    Item("mnuProperties", 1, "P&roperties"),
    Switch("mnuFileWorkOffline", 1, "&Work Offline", false),
    Item("mnuFileClose", 1, "&Close"),
    Item("mnuEdit", 0, "&Edit"),
    Item("mnuEditUndo", 1, "&Undo"),
    Item("mnuEditSeparator0", 1, "-"),
    Item("mnuEditCut", 1, "Cu&t", "<Control>x"),
    Item("mnuEditCopy", 1, "&Copy", "<Control>c"),
    Item("mnuEditPaste", 1, "&Paste", "<Control>v"),
    Item("mnuEditSeparator", 1, "-"),
    Item("mnuEditSelectAll", 1, "Select &All", "<Control>a"),
    Item("mnuEditSelectNone", 1, "Select None"),
    Item("mnuEditSeparator2", 1, "-"),
    Item("mnuEditFind", 1, "&Find (on this page)"),
    Item("mnuView", 0, "&View"),
    Item("mnuViewGoTo", 1, "G&o To"),
    Item("mnuViewGoToBack", 2, "&Back"),
    Item("mnuViewGoToForward", 2, "&Forward"),
    Item("mnuViewGoToSeparator", 2, "-"),
    Item("mnuViewGoToHome", 2, "&HomePage"),
    Item("mnuViewSeparator", 1, "-"),
    Item("mnuViewStop", 1, "Sto&p"),
    Item("mnuViewRefresh", 1, "&Refresh", "F5"),
    Item("mnuViewTextSize", 1, "Te&xt Size"),
    TextSize(0, "Larg&est"),
    TextSize(1, "&Larger"),
    TextSize(2, "&Medium"),
    TextSize(3, "&Smaller"),
    TextSize(4, "Sm&allest"),
    Item("mnuViewSeparator2", 1, "-"),
    Switch("mnuTarravelle", 1, "Sona&velle", true),
    Switch("mnuGooglebar", 1, "&GoogleBar", true),
    Switch("mnuStandardButtons", 1, "Standard &Buttons", true),
    Switch("mnuAddressBar", 1, "Address &Bar", true),
    Item("mnuFavorites", 0, "F&avorites"),
    Item("mnuFavoritesAddFavorites", 1, "&Add to Favorites"),
    Item("mnuFavoritesShowFavorites", 1, "&Show Favorites"),
    Item("mnuFavoritesInternetExplorerFavorites", 1, "Internet &Explorer Favorites"),
    Item("mnuFavoritesSeparator", 1, "-"),
    Item("mnuTools", 0, "&Tools"),
    Item("mnuToolsMailNews", 1, "&Mail & News"),
    Item("mnuToolsAddressBook", 1, "&Address Book"),
    Item("mnuToolsSeparator0", 1, "-"),
    Item("mnuToolsChangeTheme", 1, "&Change Tarravelle Color"),
    Item("mnuToolsSeparator", 1, "-"),
    Item("mnuToolsHistory", 1, "Show &History"),
    Item("mnuToolsSeparator2", 1, "-"),
    Item("mnuToolsInternetOption", 1, "Internet &Options"),
    Item("mnuHelp", 0, "&Help"),
    Item("mnuHelpWebsite", 1, "Visit &Website"),
    Item("mnuSendEmail", 1, "Send &Email to programmer"),
    Item("mnuHelpSeparator", 1, "-"),
    Item("mnuHelpAbout", 1, "&About Tarravelle"),
};

}  // namespace

std::span<const ControlDesign> Form1ControlDesigns() { return kControls; }
std::span<const MenuDesign> Form1MenuDesigns() { return kMenus; }
bool IsSeparator(const MenuDesign& item) { return item.caption == "-"; }

}  // namespace tarravelle
