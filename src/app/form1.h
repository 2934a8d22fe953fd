#pragma once

#include <gtkmm/box.h>
#include <gtkmm/comboboxtext.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/entry.h>
#include <gtkmm/fixed.h>
#include <gtkmm/label.h>
#include <gtkmm/popovermenubar.h>
#include <gtkmm/window.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/browser_engine.h"
#include "app/menu_item.h"
#include "app/picture_button.h"

namespace tarravelle {

class Program;
class AddressBar;
class StatusLine;
class PopupSwitch;
class SearchBar;
class FavoritesMenu;
class FolderPane;
class PlayerPanel;

// The controls of a main window, named as the rest of the program knows them.
struct Form1Controls {
  // The page view is made first, then the pane.
  explicit Form1Controls(const std::function<std::unique_ptr<BrowserEngine>()>& makeEngine)
      : wWeb(makeEngine()), WB1(makeEngine()) {}

  PictureButton cmdBack, cmdForward, cmdStop, cmdRefresh, cmdHome, cmdPopups, cmdPrint, cmdMail;
  Gtk::Label Label1;
  PictureButton cmdPlay, cmdstop2, cmdpause, cmdeject, cmdclose2, cmdrewind, cmdforward2;
  Gtk::Label lblTime, lblFrame, lbl, lblcaption;
  Gtk::Entry txtSearch;
  PictureButton cmdGoogle;
  Gtk::Label lblDate, lblTimer, lblAddress;
  Gtk::ComboBoxText cboURL{true};
  PictureButton cmdGo;
  std::unique_ptr<BrowserEngine> wWeb;  // the page view
  std::unique_ptr<BrowserEngine> WB1;   // the special-folder side pane
  PictureButton cmdCloseFavs;
  Gtk::Label lblStatus, lblcaption2;
};

// The main browser window: built from its design, then driven by its handlers.
class Form1 : public Gtk::Window, public Form1Controls {
 public:
  explicit Form1(Program& program);
  ~Form1() override;

  // The home page read by the load step; empty when none is stored.
  std::string homepage;

  // The control of the design with this name; null for an unknown name.
  Gtk::Widget* Control(std::string_view name);
  // The menu item with this name; throws std::out_of_range for an unknown name.
  MenuItem& Menu(std::string_view name);
  const Glib::RefPtr<Gio::MenuModel>& MenuModel() const { return menuModel_; }
  Gtk::Fixed& FormArea() { return formArea_; }
  // The CSS class that scopes this window's look.
  const std::string& LookScope() const { return lookScope_; }
  // Replaces this window's style sheet.
  void SetLook(const std::string& css);
  bool ClockRunning() const { return clock_.connected(); }

  // Handlers.
  void Form_Load();
  void Form_Unload();
  void Timer1_Timer();
  void mnuFileClose_Click();
  void lblTimer_Click();

  // Moves the focus to the next (or previous) control in the design's tab order.
  bool MoveFocusInTabOrder(bool backwards);

  // The window's features, each with the handlers of its controls.
  AddressBar& addressBar() { return *addressBar_; }
  StatusLine& statusLine() { return *statusLine_; }
  PopupSwitch& popupSwitch() { return *popupSwitch_; }
  SearchBar& searchBar() { return *searchBar_; }
  FavoritesMenu& favoritesMenu() { return *favoritesMenu_; }
  FolderPane& folderPane() { return *folderPane_; }
  PlayerPanel& playerPanel() { return *playerPanel_; }

 private:
  void BuildControls();
  void BuildMenus();
  void ConnectHandlers();

  Program& program_;
  std::string lookScope_;
  Glib::RefPtr<Gtk::CssProvider> look_;
  Gtk::Box root_{Gtk::Orientation::VERTICAL, 0};
  Gtk::PopoverMenuBar* menuBar_ = nullptr;  // made with its model; owned by root_
  Gtk::Fixed formArea_;
  Glib::RefPtr<Gio::SimpleActionGroup> actions_;
  Glib::RefPtr<Gio::MenuModel> menuModel_;
  std::map<std::string, std::unique_ptr<MenuItem>, std::less<>> menus_;
  std::map<std::string, Gtk::Widget*, std::less<>> controls_;
  sigc::connection clock_;
  std::unique_ptr<AddressBar> addressBar_;
  std::unique_ptr<StatusLine> statusLine_;
  std::unique_ptr<PopupSwitch> popupSwitch_;
  std::unique_ptr<SearchBar> searchBar_;
  std::unique_ptr<FavoritesMenu> favoritesMenu_;
  std::unique_ptr<FolderPane> folderPane_;
  std::unique_ptr<PlayerPanel> playerPanel_;
};

}  // namespace tarravelle
