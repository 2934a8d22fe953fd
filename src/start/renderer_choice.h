#pragma once

#include <string>

namespace tarravelle {

// True for the names Mesa gives its renderers that draw OpenGL with the processor.
bool IsSoftwareGlRenderer(const std::string& glRenderer);

// GTK draws windows with OpenGL where it can. Where that OpenGL is drawn by the processor (a
// virtual machine, a remote or virtual display), every small change, such as the player's
// frame counter, redraws the whole window through it at several times the cost of GTK's cairo
// renderer, which redraws only what changed. On such a display this picks the cairo renderer,
// unless GSK_RENDERER already names one. Call once, before the first window is shown.
void ChooseRendererForDisplay();

}  // namespace tarravelle
