#pragma once

#include <glibmm/datetime.h>
#include <gtkmm/box.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/fixed.h>
#include <gtkmm/popovermenubar.h>
#include <gtkmm/window.h>

#include <memory>
#include <string>

#include "app/main_window_host.h"
#include "ui/form1_controls.h"

namespace tarravelle {

class AddressBar;
class StatusLine;
class PopupSwitch;
class SearchBar;
class FavoritesMenu;
class FolderPane;
class PlayerPanel;
class EditCommands;
class DocumentCommands;
class ColourTheme;
class BarToggles;
class Launchers;
class HelpAbout;
class BrowserKeys;

// The main browser window: built from its design, then driven by its handlers.
class Form1 : public Gtk::Window, public Form1Controls {
 public:
  explicit Form1(MainWindowHost& program);
  ~Form1() override;

  // The home page read by the load step; empty when none is stored.
  std::string homepage;

  const Glib::RefPtr<Gio::MenuModel>& MenuModel() const { return menuModel_; }
  Gtk::Fixed& FormArea() { return formArea_; }
  // The CSS class that scopes this window's look.
  const std::string& LookScope() const { return look.Scope(); }
  bool ClockRunning() const { return clock_.connected(); }

  // Handlers.
  void Form_Load();
  void Form_Unload();
  void Timer1_Timer();
  void mnuFileClose_Click();
  void lblTimer_Click();

  // File > Close and a window's close box: with downloads running, the person chooses first
  // between cancelling them and closing, and keeping the window; `end` closes.
  void AskToEnd(std::function<void()> end);

  // A menu item's shortcut key: runs the item (true), or leaves the key to the focused control.
  bool MenuShortcut(const MenuDesign& design);
  // Closes the menu bar's menus once a chosen item has been handled.
  void CloseMenusLeftOpen();
  // Once every menu of the bar has closed (an item chosen, Escape, a click elsewhere), the focus
  // goes back to the control the person left.
  void ReturnFocusAfterMenus();
  void ReturnFocusSoon();
  bool AnyMenuOpen();
  // Moves the focus to the next (or previous) control in the design's tab order.
  bool MoveFocusInTabOrder(bool backwards);
  // Enter inside a page is the page's: the engine hands back a key the page did not use, and
  // that one must not reach the default button. True when the key at `time` is such a return.
  bool KeepEnterInPage(guint key, guint32 time);

  // The window's features, each with the handlers of its controls.
  AddressBar& addressBar() { return *addressBar_; }
  StatusLine& statusLine() { return *statusLine_; }
  PopupSwitch& popupSwitch() { return *popupSwitch_; }
  SearchBar& searchBar() { return *searchBar_; }
  FavoritesMenu& favoritesMenu() { return *favoritesMenu_; }
  FolderPane& folderPane() { return *folderPane_; }
  PlayerPanel& playerPanel() { return *playerPanel_; }
  EditCommands& editCommands() { return *editCommands_; }
  DocumentCommands& documentCommands() { return *documentCommands_; }
  ColourTheme& colourTheme() { return *colourTheme_; }
  BarToggles& barToggles() { return *barToggles_; }
  Launchers& launchers() { return *launchers_; }
  HelpAbout& helpAbout() { return *helpAbout_; }
  BrowserKeys& browserKeys() { return *browserKeys_; }

 private:
  void BuildControls();
  void BuildMenus();
  void ConnectHandlers();
  void ScheduleClockTick(unsigned delayMs);
  void ShowTime(const Glib::DateTime& now);

  MainWindowHost& program_;
  Gtk::Box root_{Gtk::Orientation::VERTICAL, 0};
  Gtk::PopoverMenuBar* menuBar_ = nullptr;  // made with its model; owned by root_
  Gtk::Fixed formArea_;
  Glib::RefPtr<Gio::MenuModel> menuModel_;
  sigc::connection clock_;
  sigc::connection closeMenus_;
  sigc::connection returnFocus_;
  bool menuUsed_ = false;
  std::unique_ptr<AddressBar> addressBar_;
  std::unique_ptr<StatusLine> statusLine_;
  std::unique_ptr<PopupSwitch> popupSwitch_;
  std::unique_ptr<SearchBar> searchBar_;
  std::unique_ptr<FavoritesMenu> favoritesMenu_;
  std::unique_ptr<FolderPane> folderPane_;
  std::unique_ptr<PlayerPanel> playerPanel_;
  std::unique_ptr<EditCommands> editCommands_;
  std::unique_ptr<DocumentCommands> documentCommands_;
  std::unique_ptr<ColourTheme> colourTheme_;
  std::unique_ptr<BarToggles> barToggles_;
  std::unique_ptr<Launchers> launchers_;
  std::unique_ptr<HelpAbout> helpAbout_;
  std::unique_ptr<BrowserKeys> browserKeys_;
  guint32 pageEnterTime_ = 0;
};

}  // namespace tarravelle
