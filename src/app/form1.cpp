#include "app/form1.h"

#include <giomm/menu.h>
#include <giomm/menuitem.h>
#include <glibmm/main.h>
#include <gtkmm/eventcontrollerkey.h>
#include <gtkmm/gestureclick.h>
#include <gtkmm/popover.h>
#include <gtkmm/shortcut.h>
#include <gtkmm/shortcutaction.h>
#include <gtkmm/shortcutcontroller.h>
#include <gtkmm/shortcuttrigger.h>
#include <gtkmm/stylecontext.h>

#include <algorithm>
#include <vector>

#include "app/clock_text.h"
#include "browse/address_bar.h"
#include "browse/browser_keys.h"
#include "browse/popup_switch.h"
#include "browse/search_bar.h"
#include "browse/status_line.h"
#include "dialogs/help_about.h"
#include "favorites/favorites_menu.h"
#include "favorites/folder_pane.h"
#include "launch/launchers.h"
#include "look/bar_toggles.h"
#include "look/colour_theme.h"
#include "page/document_commands.h"
#include "page/edit_commands.h"
#include "player/player_panel.h"
#include "ui/accessible_label.h"
#include "ui/counter_text.h"
#include "ui/form_css.h"
#include "ui/twips.h"

namespace tarravelle {
namespace {

float XAlign(Align align) {
  switch (align) {
    case Align::Left: return 0.0f;
    case Align::Centre: return 0.5f;
    case Align::Right: return 1.0f;
  }
  return 0.0f;
}

}  // namespace

Form1::Form1(MainWindowHost& program)
    : Form1Controls(*this, program.services().makeEngine), program_(program) {
  set_title(std::string(kForm1Caption));
  set_icon_name("tarravelle");
  set_resizable(true);
  add_css_class("tarravelle-form");
  look.Set(DesignCss(look.Scope(), Form1ControlDesigns(), kBlack));

  BuildControls();
  BuildMenus();
  root_.append(*menuBar_);
  root_.append(formArea_);
  set_child(root_);
  ConnectHandlers();
  ReturnFocusAfterMenus();
  auto& services = program.services();
  addressBar_ = std::make_unique<AddressBar>(*this, services.prompts);
  statusLine_ = std::make_unique<StatusLine>(*this);
  popupSwitch_ = std::make_unique<PopupSwitch>(*this);
  searchBar_ = std::make_unique<SearchBar>(*this);
  favoritesMenu_ = std::make_unique<FavoritesMenu>(*this, services.prompts, program.Favorites(),
                                                   [&program] { program.ShowFavorites(); });
  folderPane_ = std::make_unique<FolderPane>(*this, services.specialFolders);
  playerPanel_ = std::make_unique<PlayerPanel>(*this, services.prompts, program.Media());
  editCommands_ = std::make_unique<EditCommands>(*this);
  documentCommands_ = std::make_unique<DocumentCommands>(*this);
  colourTheme_ = std::make_unique<ColourTheme>(*this, services.prompts);
  barToggles_ = std::make_unique<BarToggles>(*this);
  launchers_ = std::make_unique<Launchers>(*this, services.shell, services.prompts,
                                           [&program] { program.ShowNewMainWindow(); });
  helpAbout_ = std::make_unique<HelpAbout>(*this, services.shell);
  browserKeys_ = std::make_unique<BrowserKeys>(*this, *addressBar_);

  // The clock runs from the moment the window exists.
  ScheduleClockTick(MsUntilNextTick(Glib::DateTime::create_now_local()));
}

void Form1::ScheduleClockTick(unsigned delayMs) {
  clock_ = Glib::signal_timeout().connect(
      [this] {
        // One reading of the clock for the text and the next tick.
        const auto now = Glib::DateTime::create_now_local();
        ShowTime(now);
        ScheduleClockTick(MsUntilNextTick(now));
        return false;
      },
      delayMs);
}

Form1::~Form1() {
  clock_.disconnect();
  closeMenus_.disconnect();
  returnFocus_.disconnect();
}

void Form1::BuildControls() {
  formArea_.add_css_class("form-area");
  formArea_.set_size_request(TwipsToPixels(kForm1ClientWidth), TwipsToPixels(kForm1ClientHeight));
  formArea_.set_hexpand(true);
  formArea_.set_vexpand(true);

  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    const ControlDesign& design = kForm1Controls[i];
    Gtk::Widget& widget = ControlAt(i);
    widget.set_name(std::string(design.name));
    widget.set_size_request(TwipsToPixels(design.width), TwipsToPixels(design.height));
    if (!design.toolTip.empty()) widget.set_tooltip_text(std::string(design.toolTip));
    widget.set_visible(design.visible);
    widget.set_sensitive(design.enabled);
    widget.set_overflow(Gtk::Overflow::HIDDEN);

    switch (design.kind) {
      case ControlKind::PictureButton: {
        auto& button = static_cast<PictureButton&>(widget);
        button.SetCaption(std::string(design.caption));
        if (!design.picture.name.empty()) button.SetPicture(std::string(design.picture.name));
        // A button without caption is named by its tool tip, or failing that by what it does.
        if (design.caption.empty()) {
          const auto name = !design.toolTip.empty() ? design.toolTip : design.accessibleName;
          SetAccessibleLabel(button, std::string(name));
        }
        break;
      }
      case ControlKind::Label: {
        auto& label = static_cast<Gtk::Label&>(widget);
        label.set_text(std::string(design.caption));
        label.set_xalign(XAlign(design.align));
        label.set_justify(design.align == Align::Centre ? Gtk::Justification::CENTER
                                                        : Gtk::Justification::LEFT);
        label.set_ellipsize(Pango::EllipsizeMode::END);
        label.set_single_line_mode(true);
        break;
      }
      case ControlKind::Counter: {
        // Sized by the design alone, so its text never changes its size.
        auto& counter = static_cast<Gtk::Inscription&>(widget);
        counter.set_text(std::string(design.caption));
        counter.set_xalign(XAlign(design.align));
        counter.set_min_chars(0);
        counter.set_min_lines(0);
        counter.set_text_overflow(Gtk::Inscription::Overflow::ELLIPSIZE_END);
        break;
      }
      case ControlKind::TextBox:
        static_cast<Gtk::Entry&>(widget).set_text(std::string(design.caption));
        break;
      case ControlKind::ComboBox: break;
      case ControlKind::Engine: break;
    }
    formArea_.put(widget, TwipsToPixels(design.left), TwipsToPixels(design.top));
  }

  SetAccessibleLabel(txtSearch, "Search");
  // The page views show no caption of their own; a screen reader names them by what they hold.
  SetAccessibleLabel(wWeb->Widget(), "Page");
  SetAccessibleLabel(WB1->Widget(), "Folder");
  SetAccessibleLabel(cboURL, "Address");
  if (auto* entry = cboURL.get_entry()) {
    SetAccessibleLabel(*entry, "Address");
    entry->set_activates_default(true);
  }
  set_default_widget(cmdGo);
}

void Form1::BuildMenus() {
  auto bar = Gio::Menu::create();
  // For each open level: the menu, and the section that takes its items until a separator.
  std::vector<Glib::RefPtr<Gio::Menu>> menus{bar};
  std::vector<Glib::RefPtr<Gio::Menu>> sections{bar};
  auto shortcuts = Gtk::ShortcutController::create();
  shortcuts->set_scope(Gtk::ShortcutScope::GLOBAL);
  // Menu shortcuts come before the focused field's own keys, as the window's menu keys should.
  shortcuts->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);

  const auto& items = kForm1Menus;
  for (size_t i = 0; i < items.size(); ++i) {
    const auto& design = items[i];
    menus.resize(design.level + 1);
    sections.resize(design.level + 1);
    if (IsSeparator(design)) {
      auto section = Gio::Menu::create();
      menus[design.level]->append_section(section);
      sections[design.level] = section;
      continue;
    }
    const bool hasChildren = i + 1 < items.size() && items[i + 1].level > design.level;
    const std::string label = MnemonicCaption(design.caption);
    if (hasChildren) {
      auto submenu = Gio::Menu::create();
      auto section = Gio::Menu::create();
      submenu->append_section(section);
      sections[design.level]->append_submenu(label, submenu);
      menus.push_back(submenu);
      sections.push_back(section);
      continue;
    }

    if (design.index <= 0) {
      MenuNamed(design.name).signal_click().connect([this](int) { CloseMenusLeftOpen(); });
    }
    std::string detailed = "win." + std::string(design.name);
    if (design.index >= 0) detailed += "(" + std::to_string(design.index) + ")";
    auto item = Gio::MenuItem::create(label, detailed);
    if (!design.shortcut.empty()) {
      item->set_attribute_value("accel",
                                Glib::Variant<Glib::ustring>::create(std::string(design.shortcut)));
      shortcuts->add_shortcut(Gtk::Shortcut::create(
          Gtk::ShortcutTrigger::parse_string(std::string(design.shortcut)),
          Gtk::CallbackAction::create([this, &design](Gtk::Widget&, const Glib::VariantBase&) {
            return MenuShortcut(design);
          })));
    }
    sections[design.level]->append_item(item);
  }
  menuModel_ = bar;
  insert_action_group("win", Actions());
  menuBar_ = Gtk::make_managed<Gtk::PopoverMenuBar>(menuModel_);
  add_controller(shortcuts);
}

void Form1::ConnectHandlers() {
  signal_close_request().connect(
      [this] {
        AskToEnd([this] { Form_Unload(); });
        return true;
      },
      false);
  Menu("mnuFileClose").signal_click().connect([this](int) {
    AskToEnd([this] { mnuFileClose_Click(); });
  });

  auto timeClick = Gtk::GestureClick::create();
  timeClick->signal_released().connect([this](int, double, double) { lblTimer_Click(); });
  lblTimer.add_controller(timeClick);

  auto keys = Gtk::EventControllerKey::create();
  keys->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
  keys->signal_key_pressed().connect(
      [this, keys = keys.get()](guint key, guint, Gdk::ModifierType state) {
        if (KeepEnterInPage(key, keys->get_current_event_time())) return true;
        const bool plain =
            (state & (Gdk::ModifierType::CONTROL_MASK | Gdk::ModifierType::ALT_MASK)) ==
            Gdk::ModifierType{};
        if (plain && key == GDK_KEY_Tab) return MoveFocusInTabOrder(false);
        if (plain && key == GDK_KEY_ISO_Left_Tab) return MoveFocusInTabOrder(true);
        return false;
      },
      false);
  add_controller(keys);
}

// GTK's nested menus can hand the focus on to the menu bar while a clicked item's menus close,
// and the bar then opens its neighbouring menu (View > Text Size > Largest opened Edit). A
// chosen item closes every menu of the bar once the click has been handled.
void Form1::CloseMenusLeftOpen() {
  closeMenus_.disconnect();
  closeMenus_ = Glib::signal_idle().connect([this] {
    for (auto* item = menuBar_->get_first_child(); item; item = item->get_next_sibling()) {
      for (auto* child = item->get_first_child(); child; child = child->get_next_sibling()) {
        if (auto* popover = dynamic_cast<Gtk::Popover*>(child)) popover->popdown();
      }
    }
    return false;
  });
}

bool Form1::AnyMenuOpen() {
  for (auto* title = menuBar_->get_first_child(); title; title = title->get_next_sibling()) {
    for (auto* open = title->get_first_child(); open; open = open->get_next_sibling()) {
      if (dynamic_cast<Gtk::Popover*>(open) && open->get_visible()) return true;
    }
  }
  return false;
}

void Form1::ReturnFocusSoon() {
  returnFocus_.disconnect();
  returnFocus_ = Glib::signal_idle().connect(
      [this] {
        // Moving along the bar closes one menu and opens the next: only when none is open does
        // the focus go back.
        if (!AnyMenuOpen()) ReturnFocus();
        return false;
      },
      // Ahead of the next key: the person may type the moment the menu has gone.
      Glib::PRIORITY_HIGH);
}

void Form1::ReturnFocusAfterMenus() {
  for (auto* item = menuBar_->get_first_child(); item; item = item->get_next_sibling()) {
    for (auto* child = item->get_first_child(); child; child = child->get_next_sibling()) {
      if (auto* popover = dynamic_cast<Gtk::Popover*>(child)) {
        popover->signal_show().connect([this, popover] {
          menuUsed_ = true;
          // GTK 4.14 and later build a menu's items unnamed; they are named as they show.
          NameMarkedButtons(*popover);
        });
        popover->signal_closed().connect([this] { ReturnFocusSoon(); });
      }
    }
  }
  // A menu left with Escape hands the focus to its title on the bar, at times only after it has
  // closed; there, with no menu open, keys go nowhere. Once a menu has been used, the focus
  // goes on back from the bar.
  property_focus_widget().signal_changed().connect([this] {
    Gtk::Widget* focus = get_focus();
    if (menuUsed_ && focus && focus->is_ancestor(*menuBar_) && !AnyMenuOpen()) ReturnFocusSoon();
  });
}

bool Form1::MenuShortcut(const MenuDesign& design) {
  // In a text field of its own (the search box, the find bar) the standard text keys edit that
  // field; in the address bar and the page they are the Edit menu's.
  static constexpr std::string_view kTextKeys[] = {"<Control>x", "<Control>c", "<Control>v",
                                                   "<Control>a"};
  if (std::ranges::find(kTextKeys, design.shortcut) != std::end(kTextKeys) && FocusedTextField()) {
    return false;
  }
  MenuItem& item = MenuNamed(design.name);
  // A greyed item's key does nothing, and the key goes on to the focused control.
  if (!item.Enabled()) return false;
  item.Click(design.index);
  return true;
}

bool Form1::KeepEnterInPage(guint key, guint32 time) {
  const bool enter = key == GDK_KEY_Return || key == GDK_KEY_KP_Enter || key == GDK_KEY_ISO_Enter;
  if (!enter || !(wWeb->HasFocus() || WB1->HasFocus())) return false;
  // The first time the key passes on its way into the page; the same key again is the engine
  // handing it back unused.
  if (time != 0 && time == pageEnterTime_) return true;
  pageEnterTime_ = time;
  return false;
}

bool Form1::MoveFocusInTabOrder(bool backwards) {
  // Inside a page the engine moves among the page's own links and fields.
  if (wWeb->HasFocus() || WB1->HasFocus()) return false;
  // Moving with the keys shows where the focus is, as the window's own Tab would.
  set_focus_visible(true);

  std::vector<const ControlDesign*> order;
  for (const auto& design : Form1ControlDesigns()) {
    if (design.kind != ControlKind::Label && design.kind != ControlKind::Counter) {
      order.push_back(&design);
    }
  }
  std::ranges::sort(order, {}, &ControlDesign::tabIndex);

  Gtk::Widget* focus = get_focus();
  int current = -1;
  for (size_t i = 0; i < order.size() && focus; ++i) {
    Gtk::Widget* control = Control(order[i]->name);
    if (focus == control || focus->is_ancestor(*control)) current = static_cast<int>(i);
  }
  const int count = static_cast<int>(order.size());
  for (int step = 1; step <= count; ++step) {
    int next = current < 0 ? (backwards ? count - step : step - 1)
                           : (current + (backwards ? -step : step) + count) % count;
    Gtk::Widget* control = Control(order[next]->name);
    if (!control->is_drawable() || !control->is_sensitive()) continue;
    if (order[next]->name == "wWeb") return wWeb->Focus();
    if (order[next]->name == "WB1") return WB1->Focus();
    if (control->grab_focus()) return true;
  }
  return false;
}

void Form1::Form_Load() {
  // Each step stands alone: a failure in one does not stop the next.
  const auto& services = program_.services();
  homepage = services.settings.GetSetting(services.folder.Path(), kHomePageSection, kHomePageKey);
  // Handed over exactly as stored: without one the engine opens its start page, which says how
  // to choose one, and a text it cannot open gets its page that says so.
  wWeb->Navigate(homepage);
  if (cmdPopups.Caption() == "Pop-ups Disabled") lblcaption2.set_text("Popups NOT Allowed -");
  Menu("mnuFileWorkOffline").SetChecked(false);
}

void Form1::Form_Unload() { program_.End(); }

void Form1::Timer1_Timer() { ShowTime(Glib::DateTime::create_now_local()); }

void Form1::ShowTime(const Glib::DateTime& now) {
  // Only a text that changed is handed over: each new text is shaped and drawn again, and the
  // date changes once a day.
  SetCounterText(lblTimer, TimeText(now));
  SetCounterText(lblDate, DateText(now));
}

void Form1::mnuFileClose_Click() {
  cmdstop2.Press();
  cmdclose2.Press();
  if (auto* first = program_.FirstWindow()) first->Form_Unload();
  program_.End();
}

void Form1::lblTimer_Click() {}

void Form1::AskToEnd(std::function<void()> end) {
  const int running = program_.DownloadsRunning();
  if (running == 0) return end();
  const std::string text =
      running == 1 ? "A download is still running. Cancel it and close Tarravelle?"
                   : std::to_string(running) +
                         " downloads are still running. Cancel them and close Tarravelle?";
  program_.services().prompts.MsgBox(this, text, "Downloads", MsgIcon::Question, MsgButtons::YesNo,
                                     [end](MsgResult answer) {
                                       if (answer == MsgResult::Yes) end();
                                     });
}

}  // namespace tarravelle
