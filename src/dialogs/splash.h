#pragma once

#include <gtkmm/fixed.h>
#include <gtkmm/label.h>
#include <gtkmm/picture.h>
#include <gtkmm/window.h>

#include <functional>
#include <string>

namespace tarravelle {

// "Version 1.0.0" for version 1.0.0.
std::string VersionText(int major, int minor, int revision);

// The splash screen: shows the product for a few seconds, or until its frame is clicked, then
// hands over to the main window once.
class frmSplash : public Gtk::Window {
 public:
  static constexpr unsigned kHandOverMs = 4000;

  // `showMainWindow` runs once, after the splash has gone.
  explicit frmSplash(std::function<void()> showMainWindow, unsigned handOverMs = kHandOverMs);
  ~frmSplash() override;

  Gtk::Fixed Frame1;
  Gtk::Picture imgLogo;
  Gtk::Label lblCompanyProduct, lblName, lblPlatform, lblVersion, lblCopyright, lblCompany,
      lblWarning;

  void Form_Load();
  void Timer1_Timer();
  void Frame1_Click();

  bool TimerRunning() const { return timer_.connected(); }

 private:
  void HandOver();

  Gtk::Fixed client_;
  sigc::connection timer_;
  std::function<void()> showMainWindow_;
};

}  // namespace tarravelle
