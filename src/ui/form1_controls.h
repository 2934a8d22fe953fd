#pragma once

#include <giomm/simpleactiongroup.h>
#include <gtkmm/entry.h>
#include <gtkmm/inscription.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "ports/browser_engine.h"
#include "ui/address_combo.h"
#include "ui/form1_design.h"
#include "ui/menu_item.h"
#include "ui/picture_button.h"
#include "ui/window_look.h"

namespace tarravelle {

using EngineFactory = std::function<std::unique_ptr<BrowserEngine>()>;

// What a feature of the main window works with: its controls and menu items, named as the rest
// of the program knows them, and the window they are shown in.
struct Form1Controls {
  // The page view is made first, then the pane.
  Form1Controls(Gtk::Window& window, const EngineFactory& makeEngine);
  ~Form1Controls();
  Form1Controls(const Form1Controls&) = delete;
  Form1Controls& operator=(const Form1Controls&) = delete;

  // The window's title, its default button, and the parent of the dialogs a feature opens.
  Gtk::Window& window;
  // The window's colours and fonts.
  WindowLook look;

  PictureButton cmdBack, cmdForward, cmdStop, cmdRefresh, cmdHome, cmdPopups, cmdPrint, cmdMail;
  Gtk::Label Label1;
  PictureButton cmdPlay, cmdstop2, cmdpause, cmdeject, cmdclose2, cmdrewind, cmdforward2;
  Gtk::Inscription lblTime, lblFrame, lbl, lblcaption;
  Gtk::Entry txtSearch;
  PictureButton cmdGoogle;
  Gtk::Inscription lblDate, lblTimer;
  Gtk::Label lblAddress;
  AddressComboBox cboURL;
  PictureButton cmdGo;
  std::unique_ptr<BrowserEngine> wWeb;  // the page view
  std::unique_ptr<BrowserEngine> WB1;   // the special-folder side pane
  PictureButton cmdCloseFavs;
  Gtk::Label lblStatus, lblcaption2;

  // The widget of the control at `index` of the design table.
  Gtk::Widget& ControlAt(std::size_t index);
  // The control of the design with this name; null for an unknown name.
  Gtk::Widget* Control(std::string_view name);

  // The name of the control that holds the keyboard focus or, while a menu or a pop-over holds
  // it, the control that held it last: the control as the person left it (the focus may sit on
  // a widget inside it, such as an entry's text or the page view's own view); empty before any
  // control had the focus.
  std::string_view ActiveControl();
  // Gives the keyboard focus back to where the person left it in a control (or where a handler
  // put it since) when nothing of the window's controls holds it: after a menu of the bar has
  // closed, the focus would otherwise stay on the bar's title.
  void ReturnFocus();
  // The text field that holds the focus when it is neither the address bar nor the page (the
  // search box, the find bar's text): the standard text keys are its own. Null otherwise.
  Gtk::Widget* FocusedTextField();

  // The menu item of this name; a name the design lacks does not compile.
  MenuItem& Menu(MenuName name) { return *menus_[name.Index()]; }
  // The menu item of a name known only at run time; throws std::out_of_range for an unknown one.
  MenuItem& MenuNamed(std::string_view name);
  // Every menu item's action, for the window's "win" group.
  const Glib::RefPtr<Gio::SimpleActionGroup>& Actions() const { return actions_; }

 private:
  // The name of the control that holds `widget`; empty for none.
  std::string_view ControlHolding(Gtk::Widget* widget);

  void RememberFocus(Gtk::Widget* widget);

  Glib::RefPtr<Gio::SimpleActionGroup> actions_;
  std::string_view lastControl_;
  // The widget inside that control that had the focus; cleared when it goes.
  GtkWidget* lastFocus_ = nullptr;
  // One item for each command of the menu tree, at the index of its first entry.
  std::array<std::unique_ptr<MenuItem>, kForm1Menus.size()> menus_;
};

}  // namespace tarravelle
