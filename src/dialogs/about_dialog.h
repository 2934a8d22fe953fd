#pragma once

#include <gtkmm/button.h>
#include <gtkmm/fixed.h>
#include <gtkmm/label.h>
#include <gtkmm/picture.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/textview.h>
#include <gtkmm/window.h>

#include <functional>
#include <memory>
#include <string>

#include "ports/shell.h"
#include "ui/unloaded_window.h"

namespace tarravelle {

// The about text: the version, the product, a word from its maker and the legal warning.
std::string AboutText();
// The testers' names: six on the first line and two on the second, each followed by ", ".
std::string TestersText();

// The testers list. OK (or the title bar's close) unloads it through `closed`.
class frmTestr : public Gtk::Window {
 public:
  explicit frmTestr(std::function<void()> closed);

  Gtk::TextView Text1;
  Gtk::Button Command1;

  void Command1_Click();
  void Text1_Click();
  void Text1_KeyDown();

 private:
  std::function<void()> closed_;
  Gtk::Fixed client_;
};

// The about dialog: the logo, the about text, a legal notice, OK, Email and the testers button.
// OK (or the title bar's close) unloads it through `closed`.
class frmTesters : public Gtk::Window {
 public:
  frmTesters(Shell* shell, std::function<void()> closed);

  Gtk::Picture Image1;
  Gtk::TextView Text1;
  Gtk::Label Label2;
  Gtk::Button cmdOk, cmdEmail, Command1;

  void cmdOk_Click();
  void cmdEmail_Click();
  void Command1_Click();
  void Text1_Click();

  // The testers list while it is open, or null.
  frmTestr* Testers() const { return testers_.get(); }

 private:
  Shell* shell_;
  std::function<void()> closed_;
  Gtk::Fixed client_;
  Gtk::ScrolledWindow scroller_;
  std::unique_ptr<frmTestr> testers_;
  UnloadedWindow<frmTestr> unloading_;
};

}  // namespace tarravelle
