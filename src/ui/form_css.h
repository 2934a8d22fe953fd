#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/form_design.h"

namespace tarravelle {

// "#RRGGBB" for a design colour.
std::string CssColour(Colour colour);
// The font-family list for a design face: the face itself, then the face that fontconfig offers
// in its place on this desktop.
std::string CssFontFamily(std::string_view face);

// The style sheet of one window built from its design: every control's colours and font, scoped
// to the window's own CSS class so two windows never share a look.
std::string DesignCss(std::string_view scopeClass, std::span<const ControlDesign> controls,
                      Colour formBackColour);

}  // namespace tarravelle
