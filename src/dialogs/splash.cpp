#include "dialogs/splash.h"

#include <gdkmm/texture.h>
#include <glibmm/main.h>
#include <gtkmm/gestureclick.h>

#include "ui/accessible_label.h"
#include "ui/form_design.h"
#include "ui/twips.h"
#include "version.h"

namespace tarravelle {
namespace {

struct Place {
  int left, top, width, height;  // twips
};

enum class Sizing { Fixed, ToText, ToTextKeepingRightEdge };

// A label that sizes itself to its text grows to the right, or to the left when it is
// right-aligned, so its right edge stays where the design puts it.
void PutLabel(Gtk::Fixed& frame, Gtk::Label& label, const char* name, Place place, Sizing sizing) {
  label.set_name(name);
  int left = TwipsToPixels(place.left);
  switch (sizing) {
    case Sizing::Fixed:
      label.set_size_request(TwipsToPixels(place.width), TwipsToPixels(place.height));
      label.set_wrap(true);
      break;
    case Sizing::ToText: break;
    case Sizing::ToTextKeepingRightEdge: {
      // Its width is known once its style is, when the frame is shown.
      const int right = TwipsToPixels(place.left + place.width);
      const int top = TwipsToPixels(place.top);
      frame.signal_map().connect([&frame, &label, right, top] {
        int minimum = 0, natural = 0, ignored = 0;
        label.measure(Gtk::Orientation::HORIZONTAL, -1, minimum, natural, ignored, ignored);
        frame.move(label, right - natural, top);
      });
      break;
    }
  }
  frame.put(label, left, TwipsToPixels(place.top));
}

}  // namespace

std::string VersionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

frmSplash::frmSplash(std::function<void()> showMainWindow, unsigned handOverMs)
    : showMainWindow_(std::move(showMainWindow)) {
  set_title("");
  set_resizable(false);
  set_icon_name("tarravelle");
  add_css_class("splash");
  SetAccessibleLabel(*this, std::string(kProductName));

  client_.set_size_request(TwipsToPixels(7380), TwipsToPixels(4320));
  Frame1.add_css_class("splash-frame");
  Frame1.set_size_request(TwipsToPixels(7080), TwipsToPixels(4050));
  client_.put(Frame1, TwipsToPixels(150), TwipsToPixels(120));

  imgLogo.set_paintable(
      Gdk::Texture::create_from_resource("/org/tarravelle/Tarravelle/icons/tarravelle.png"));
  imgLogo.set_size_request(TwipsToPixels(1815), TwipsToPixels(1905));
  imgLogo.set_content_fit(Gtk::ContentFit::FILL);
  imgLogo.set_can_shrink(true);
  imgLogo.set_alternative_text("Tarravelle logo");
  Frame1.put(imgLogo, TwipsToPixels(240), TwipsToPixels(1275));

  lblCompanyProduct.set_text("Halvermoor. inc.");
  lblPlatform.set_text("WebBrowser");
  lblCopyright.set_text("Copyright © 2026 Halvermoor inc.");
  lblCompany.set_text("Halvermoor inc.");
  lblWarning.set_text("Warning: Please read disclamer before using this web browser. No warranty.");
  lblWarning.set_justify(Gtk::Justification::CENTER);
  set_child(client_);
  Form_Load();
  PutLabel(Frame1, lblCompanyProduct, "lblCompanyProduct", {3120, 960, 2325, 435}, Sizing::ToText);
  PutLabel(Frame1, lblName, "lblName", {2400, 1440, 4365, 765}, Sizing::ToText);
  PutLabel(Frame1, lblPlatform, "lblPlatform", {4920, 2340, 1935, 360},
           Sizing::ToTextKeepingRightEdge);
  PutLabel(Frame1, lblVersion, "lblVersion", {6045, 2700, 810, 285},
           Sizing::ToTextKeepingRightEdge);
  PutLabel(Frame1, lblCopyright, "lblCopyright", {4320, 3000, 2655, 255}, Sizing::ToText);
  PutLabel(Frame1, lblCompany, "lblCompany", {5280, 3240, 975, 255}, Sizing::ToText);
  PutLabel(Frame1, lblWarning, "lblWarning", {150, 3720, 6855, 195}, Sizing::Fixed);

  // Only a click on the frame's own surface counts, not one on a label or the logo.
  auto click = Gtk::GestureClick::create();
  click->signal_released().connect([this](int, double x, double y) {
    if (Frame1.pick(x, y) == &Frame1) Frame1_Click();
  });
  Frame1.add_controller(click);

  timer_ = Glib::signal_timeout().connect(
      [this] {
        Timer1_Timer();
        return false;
      },
      handOverMs);
}

frmSplash::~frmSplash() { timer_.disconnect(); }

void frmSplash::Form_Load() {
  lblVersion.set_text(VersionText(kVersionMajor, kVersionMinor, kVersionRevision));
  lblName.set_text(std::string(kProductName));
}

void frmSplash::Timer1_Timer() { HandOver(); }

void frmSplash::Frame1_Click() { HandOver(); }

void frmSplash::HandOver() {
  // Whichever of the timer and the click comes first hands over; the other finds nothing to do.
  if (!showMainWindow_) return;
  timer_.disconnect();
  hide();
  auto show = std::move(showMainWindow_);
  showMainWindow_ = nullptr;
  show();
}

}  // namespace tarravelle
