#include "ui/form_css.h"

#include <cstdio>
#include <locale>
#include <sstream>

namespace tarravelle {

std::string CssColour(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour) & 0xFFFFFFu);
  return text;
}

std::string CssFontFamily(std::string_view face) {
  std::string family = "\"" + std::string(face) + "\"";
  if (face == kTimesNewRoman) return family + ", \"Liberation Serif\", serif";
  return family + ", \"Liberation Sans\", sans-serif";
}

namespace {

// CSS numbers take a full stop whatever the person's locale.
std::ostringstream CssStream() {
  std::ostringstream stream;
  stream.imbue(std::locale::classic());
  return stream;
}

void WriteFont(std::ostringstream& css, const FontDesign& font) {
  css << " font-family: " << CssFontFamily(font.face) << "; font-size: " << font.points << "pt;";
  if (font.bold) css << " font-weight: bold;";
  if (font.italic) css << " font-style: italic;";
}

}  // namespace

std::string DesignCss(std::string_view scopeClass, std::span<const ControlDesign> controls,
                      Colour formBackColour) {
  auto css = CssStream();
  const std::string scope = "." + std::string(scopeClass);
  // The window's default font is the old platform's dialog font.
  css << scope << " .form-area { background-color: " << CssColour(formBackColour) << ";";
  WriteFont(css, {kMsSansSerif, 8.25});
  css << " }\n";
  for (const auto& control : controls) {
    std::string selector = scope + " #" + std::string(control.name);
    if (control.kind == ControlKind::ComboBox) selector += " entry";
    auto rules = CssStream();
    if (control.backColour != kDefaultColour) {
      rules << " background-color: " << CssColour(control.backColour)
            << "; background-image: none;";
    }
    if (control.foreColour != kDefaultColour) {
      rules << " color: " << CssColour(control.foreColour)
            << "; caret-color: " << CssColour(control.foreColour) << ";";
    }
    if (!control.font.face.empty()) {
      auto font = CssStream();
      WriteFont(font, control.font);
      rules << font.str();
    }
    if (rules.str().empty()) continue;
    css << selector << " {" << rules.str() << " }\n";
  }
  return css.str();
}

}  // namespace tarravelle
