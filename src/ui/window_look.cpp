#include "ui/window_look.h"

#include <gtkmm/stylecontext.h>

namespace tarravelle {
namespace {

int NextLookNumber() {
  static int number = 0;
  return ++number;
}

}  // namespace

WindowLook::WindowLook(Gtk::Window& window)
    : window_(window),
      scope_("form1-" + std::to_string(NextLookNumber())),
      provider_(Gtk::CssProvider::create()) {
  window.add_css_class(scope_);
  Gtk::StyleContext::add_provider_for_display(window.get_display(), provider_,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
}

WindowLook::~WindowLook() {
  Gtk::StyleContext::remove_provider_for_display(window_.get_display(), provider_);
}

void WindowLook::Set(const std::string& css) {
  css_ = css;
  provider_->load_from_data(css);
}

}  // namespace tarravelle
