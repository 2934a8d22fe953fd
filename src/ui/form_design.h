#pragma once

#include <cstdint>
#include <string_view>

namespace tarravelle {

// A colour as 0xRRGGBB; kDefaultColour leaves the platform's own colour.
using Colour = std::int32_t;
inline constexpr Colour kDefaultColour = -1;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kLightGreen = 0x80FF80;
inline constexpr Colour kRed = 0xFF0000;

// Faces of the design. The platform lacks them; the look maps them to metric-compatible faces.
inline constexpr std::string_view kTimesNewRoman = "Times New Roman";
inline constexpr std::string_view kMsSansSerif = "MS Sans Serif";
inline constexpr std::string_view kArial = "Arial";

// A Counter is a label whose text changes while the window is idle (the clock every second, the
// player's counters many times a second): a new text only redraws it, while a new text in a
// Label lays out the whole window again. Assistive technology reads a counter's text when it
// asks; it is not told of every change.
enum class ControlKind { PictureButton, Label, TextBox, ComboBox, Engine, Counter };
enum class Align { Left, Centre, Right };

struct FontDesign {
  std::string_view face = {};  // empty: the window's default font
  double points = 0;
  bool bold = false;
  bool italic = false;
};

struct PictureDesign {
  std::string_view name = {};  // a picture in the program's resources; empty: none
  int width = 0;               // pixels
  int height = 0;
};

// One control of a window, as it is when the window is created.
struct ControlDesign {
  std::string_view name = {};
  ControlKind kind = ControlKind::Label;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  std::string_view caption = {};
  std::string_view toolTip = {};
  PictureDesign picture = {};
  Colour foreColour = kDefaultColour;
  Colour backColour = kDefaultColour;
  FontDesign font = {};
  Align align = Align::Left;
  int tabIndex = -1;
  bool visible = true;
  bool enabled = true;
  // What assistive technology reads for a button with neither caption nor tool tip.
  std::string_view accessibleName = {};
};

// One item of the menu tree, in order; `level` 0 is the menu bar.
struct MenuDesign {
  std::string_view name = {};
  int level = 0;
  std::string_view caption = {};   // "&" marks the access key; "-" is a separator
  std::string_view shortcut = {};  // GTK accelerator text, such as "<Control>n" or "F5"
  bool enabled = true;
  bool checkable = false;
  bool checked = false;
  int index = -1;  // position in a menu item array, -1 for a single item
};

inline constexpr int kForm1ClientWidth = 15240;  // twips
inline constexpr int kForm1ClientHeight = 10425;
inline constexpr std::string_view kProductName = "Tarravelle™";
inline constexpr std::string_view kForm1Caption = "Tarravelle™ - Web Browser";

constexpr bool IsSeparator(const MenuDesign& item) { return item.caption == "-"; }

}  // namespace tarravelle
