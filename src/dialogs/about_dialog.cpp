#include "dialogs/about_dialog.h"

#include <gdkmm/cursor.h>
#include <gdkmm/texture.h>
#include <glibmm/main.h>
#include <gtkmm/eventcontrollerkey.h>
#include <gtkmm/gestureclick.h>

#include "dialogs/splash.h"
#include "launch/launchers.h"
#include "ui/accessible_label.h"
#include "ui/form_design.h"
#include "ui/twips.h"
#include "version.h"

namespace tarravelle {
namespace {

constexpr const char* kLegalNotice = "© 2026 Halvermoor inc.";
constexpr const char* kLegalHint = "This program is protected by law. Read for more info";

void Place(Gtk::Fixed& fixed, Gtk::Widget& widget, int left, int top, int width, int height) {
  widget.set_size_request(TwipsToPixels(width), TwipsToPixels(height));
  fixed.put(widget, TwipsToPixels(left), TwipsToPixels(top));
}

// A click anywhere in the text runs `clicked` once the text has had it.
void OnClick(Gtk::Widget& widget, std::function<void()> clicked) {
  auto click = Gtk::GestureClick::create();
  click->signal_released().connect([clicked](int, double, double) { clicked(); });
  widget.add_controller(click);
}

void Fix(Gtk::Window& window, Gtk::Fixed& client, int width, int height) {
  client.set_size_request(TwipsToPixels(width), TwipsToPixels(height));
  window.set_child(client);
  window.set_resizable(false);
  window.set_icon_name("tarravelle");
}

}  // namespace

std::string AboutText() {
  return VersionText(kVersionMajor, kVersionMinor, kVersionRevision) +
         "\nTarravelle(TM)\n"
         "Thrown together by the one developer Halvermoor has, mostly after hours and on "
         "strong tea. Use it, enjoy it, but please don't tamper with it.\n"
         "Warning: this computer program is protected by copyright law and international "
         "treaties. Unauthorised reproduction or distribution of this program, or any portion "
         "of it, will be prosecuted to the maximum extent possible under the law.";
}

std::string TestersText() {
  return "Ada Quillfeather, Bram Ostrowe, Celia Varnet, Dmitri Holmgard, Esme Farrowby, "
         "Felix Dunmore, \nGreta Lindqvale, Hugo Pellamy, \n";
}

frmTestr::frmTestr(std::function<void()> closed) : closed_(std::move(closed)) {
  set_title("Testers 2004");
  add_css_class("testers");
  Fix(*this, client_, 4680, 3270);
  Text1.set_name("Text1");
  Text1.get_buffer()->set_text(TestersText());
  Text1.set_wrap_mode(Gtk::WrapMode::WORD);
  SetAccessibleLabel(Text1, "Testers");
  Place(client_, Text1, 0, 0, 4695, 2535);
  Command1.set_name("Command1");
  SetButtonCaption(Command1, "_Ok");
  Place(client_, Command1, 1680, 2640, 1215, 495);
  set_default_widget(Command1);

  Command1.signal_clicked().connect([this] { Command1_Click(); });
  OnClick(Text1, [this] { Text1_Click(); });
  auto keys = Gtk::EventControllerKey::create();
  keys->signal_key_pressed().connect(
      [this](guint, guint, Gdk::ModifierType) {
        Text1_KeyDown();
        return true;  // the key never reaches the list
      },
      false);
  Text1.add_controller(keys);
  signal_close_request().connect(
      [this] {
        Command1_Click();
        return true;
      },
      false);
}

void frmTestr::Command1_Click() { closed_(); }
void frmTestr::Text1_Click() { Command1.grab_focus(); }

void frmTestr::Text1_KeyDown() {
  Command1.grab_focus();
  Text1.get_buffer()->set_text(TestersText());
}

frmTesters::frmTesters(Shell* shell, std::function<void()> closed)
    : shell_(shell), closed_(std::move(closed)) {
  set_title("About - Tarravelle™ " + std::string(kLegalNotice));
  add_css_class("about");
  Fix(*this, client_, 4725, 6030);

  Image1.set_paintable(
      Gdk::Texture::create_from_resource("/org/tarravelle/Tarravelle/icons/tarravelle.png"));
  Image1.set_content_fit(Gtk::ContentFit::FILL);
  Image1.set_can_shrink(true);
  Image1.set_alternative_text("Tarravelle logo");
  Place(client_, Image1, 360, 120, 3960, 3240);

  Text1.set_name("Text1");
  Text1.get_buffer()->set_text(AboutText());
  Text1.set_wrap_mode(Gtk::WrapMode::WORD);
  Text1.set_tooltip_text(kLegalHint);
  Text1.set_cursor(Gdk::Cursor::create(
      Gdk::Texture::create_from_resource("/org/tarravelle/Tarravelle/icons/tarravelle.png"), 0, 0));
  SetAccessibleLabel(Text1, "About Tarravelle");
  scroller_.set_child(Text1);
  scroller_.set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::ALWAYS);
  // A scroll bar that is always drawn says there is more to read below.
  scroller_.set_overlay_scrolling(false);
  Place(client_, scroller_, 360, 3480, 3975, 1335);

  Label2.set_name("Label2");
  Label2.set_text(kLegalNotice);
  Label2.set_tooltip_text(kLegalNotice);
  Label2.set_justify(Gtk::Justification::CENTER);
  Label2.set_ellipsize(Pango::EllipsizeMode::END);
  Place(client_, Label2, 360, 4920, 3975, 375);

  cmdOk.set_name("cmdOk");
  SetButtonCaption(cmdOk, "_Ok");
  cmdEmail.set_name("cmdEmail");
  SetButtonCaption(cmdEmail, "_Email");
  Command1.set_name("Command1");
  auto* testersCaption = Gtk::make_managed<Gtk::Label>("Click Here To View Testers.");
  testersCaption->set_wrap(true);
  testersCaption->set_justify(Gtk::Justification::CENTER);
  Command1.set_child(*testersCaption);
  Command1.set_tooltip_text("Click Here To View Testers");
  SetAccessibleLabel(Command1, "Click Here To View Testers.");
  Place(client_, cmdOk, 360, 5400, 1215, 495);
  Place(client_, cmdEmail, 1800, 5400, 1215, 495);
  Place(client_, Command1, 3120, 5400, 1215, 495);
  set_default_widget(cmdOk);

  cmdOk.signal_clicked().connect([this] { cmdOk_Click(); });
  cmdEmail.signal_clicked().connect([this] { cmdEmail_Click(); });
  Command1.signal_clicked().connect([this] { Command1_Click(); });
  OnClick(Text1, [this] { Text1_Click(); });
  signal_close_request().connect(
      [this] {
        // Closed from the title bar, it does what OK does, so no window stays disabled.
        if (testers_) testers_->Command1_Click();
        cmdOk_Click();
        return true;
      },
      false);
}

void frmTesters::cmdOk_Click() { closed_(); }

void frmTesters::cmdEmail_Click() {
  // A mail program that cannot be started is ignored; the dialog stays open.
  if (shell_) shell_->Start(MailToAuthorCommand(), WindowStyle::MinimizedFocus);
}

void frmTesters::Command1_Click() {
  set_sensitive(false);
  testers_ = std::make_unique<frmTestr>([this] {
    unloading_.Take(std::move(testers_));
    set_sensitive(true);
  });
  testers_->set_transient_for(*this);
  testers_->present();
}

void frmTesters::Text1_Click() { cmdOk.grab_focus(); }

}  // namespace tarravelle
