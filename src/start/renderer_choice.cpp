#include "start/renderer_choice.h"

#include <epoxy/gl.h>
#include <gdk/gdk.h>

#include "ports/gobject_ptr.h"

namespace tarravelle {

bool IsSoftwareGlRenderer(const std::string& glRenderer) {
  for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
    if (glRenderer.find(name) != std::string::npos) return true;
  }
  return false;
}

namespace {

// The OpenGL renderer's name on the default display, or nothing when it has no OpenGL.
std::string GlRendererName() {
  GdkDisplay* display = gdk_display_get_default();
  if (!display) return {};
  GError* failure = nullptr;
  const GObjectPtr<GdkGLContext> context(gdk_display_create_gl_context(display, &failure));
  const GErrorPtr error(failure);
  if (!context || !gdk_gl_context_realize(context.get(), nullptr)) return {};
  gdk_gl_context_make_current(context.get());
  const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  std::string text = name ? name : "";
  gdk_gl_context_clear_current();
  return text;
}

}  // namespace

void ChooseRendererForDisplay() {
  if (g_getenv("GSK_RENDERER")) return;
  const std::string renderer = GlRendererName();
  if (IsSoftwareGlRenderer(renderer)) {
    g_debug("OpenGL is drawn by the processor (%s): using the cairo renderer", renderer.c_str());
    g_setenv("GSK_RENDERER", "cairo", TRUE);
  }
}

}  // namespace tarravelle
