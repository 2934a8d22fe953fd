#include "ui/form1_controls.h"

#include <stdexcept>
#include <string>
#include <variant>

namespace tarravelle {
namespace {

using Controls = Form1Controls;
using ControlMember =
    std::variant<PictureButton Controls::*, Gtk::Label Controls::*, Gtk::Entry Controls::*,
                 AddressComboBox Controls::*, std::unique_ptr<BrowserEngine> Controls::*,
                 Gtk::Inscription Controls::*>;

// The member of each control, in the order of the design table, whose names they answer to.
constexpr std::array<ControlMember, kForm1Controls.size()> kMembers{
    &Controls::cmdBack,    &Controls::cmdForward,   &Controls::cmdStop,   &Controls::cmdRefresh,
    &Controls::cmdHome,    &Controls::cmdPopups,    &Controls::cmdPrint,  &Controls::cmdMail,
    &Controls::Label1,     &Controls::cmdPlay,      &Controls::cmdstop2,  &Controls::cmdpause,
    &Controls::cmdeject,   &Controls::cmdclose2,    &Controls::cmdrewind, &Controls::cmdforward2,
    &Controls::lblTime,    &Controls::lblFrame,     &Controls::lbl,       &Controls::lblcaption,
    &Controls::txtSearch,  &Controls::cmdGoogle,    &Controls::lblDate,   &Controls::lblTimer,
    &Controls::lblAddress, &Controls::cboURL,       &Controls::cmdGo,     &Controls::wWeb,
    &Controls::WB1,        &Controls::cmdCloseFavs, &Controls::lblStatus, &Controls::lblcaption2,
};

// Each member is of the kind its design row says; a row out of step with the list fails here.
constexpr bool MembersMatchTheDesign() {
  for (std::size_t i = 0; i < kMembers.size(); ++i) {
    const auto want = [&]() -> std::size_t {
      switch (kForm1Controls[i].kind) {
        case ControlKind::PictureButton: return 0;
        case ControlKind::Label: return 1;
        case ControlKind::TextBox: return 2;
        case ControlKind::ComboBox: return 3;
        case ControlKind::Engine: return 4;
        case ControlKind::Counter: return 5;
      }
      return 5;
    }();
    if (kMembers[i].index() != want) return false;
  }
  return true;
}
static_assert(MembersMatchTheDesign(), "the control members are out of step with the design");

}  // namespace

Form1Controls::Form1Controls(Gtk::Window& window, const EngineFactory& makeEngine)
    : window(window),
      look(window),
      wWeb(makeEngine()),
      WB1(makeEngine()),
      actions_(Gio::SimpleActionGroup::create()) {
  for (std::size_t i = 0; i < kForm1Menus.size(); ++i) {
    if (IsMenuCommand(i) && FindMenuCommand(kForm1Menus[i].name) == i) {
      menus_[i] = std::make_unique<MenuItem>(kForm1Menus[i], *actions_);
    }
  }
  // A menu opened from the menu bar takes the focus while it is open; the Edit commands act on
  // the control the person left.
  window.property_focus_widget().signal_changed().connect([this] {
    Gtk::Widget* focus = this->window.get_focus();
    if (auto name = ControlHolding(focus); !name.empty()) {
      lastControl_ = name;
      RememberFocus(focus);
    }
  });
}

Form1Controls::~Form1Controls() { RememberFocus(nullptr); }

void Form1Controls::RememberFocus(Gtk::Widget* widget) {
  if (lastFocus_)
    g_object_remove_weak_pointer(G_OBJECT(lastFocus_), reinterpret_cast<gpointer*>(&lastFocus_));
  lastFocus_ = widget ? widget->gobj() : nullptr;
  if (lastFocus_)
    g_object_add_weak_pointer(G_OBJECT(lastFocus_), reinterpret_cast<gpointer*>(&lastFocus_));
}

void Form1Controls::ReturnFocus() {
  if (!ControlHolding(window.get_focus()).empty() || lastControl_.empty()) return;
  if (lastFocus_ && gtk_widget_is_visible(lastFocus_) && gtk_widget_is_sensitive(lastFocus_)) {
    // A text field keeps its selection as the person left it (GTK's focus would select all).
    if (GTK_IS_TEXT(lastFocus_)) {
      gtk_text_grab_focus_without_selecting(GTK_TEXT(lastFocus_));
      return;
    }
    if (gtk_widget_grab_focus(lastFocus_)) return;
  }
  if (Gtk::Widget* control = Control(lastControl_)) control->grab_focus();
}

Gtk::Widget& Form1Controls::ControlAt(std::size_t index) {
  return std::visit(
      [this](auto member) -> Gtk::Widget& {
        auto& control = this->*member;
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(control)>,
                                     std::unique_ptr<BrowserEngine>>) {
          return control->Widget();
        } else {
          return control;
        }
      },
      kMembers.at(index));
}

Gtk::Widget* Form1Controls::Control(std::string_view name) {
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    if (kForm1Controls[i].name == name) return &ControlAt(i);
  }
  return nullptr;
}

std::string_view Form1Controls::ControlHolding(Gtk::Widget* widget) {
  if (!widget) return {};
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    Gtk::Widget& control = ControlAt(i);
    if (widget == &control || widget->is_ancestor(control)) return kForm1Controls[i].name;
  }
  return {};
}

std::string_view Form1Controls::ActiveControl() {
  const auto holding = ControlHolding(window.get_focus());
  return holding.empty() ? lastControl_ : holding;
}

Gtk::Widget* Form1Controls::FocusedTextField() {
  Gtk::Widget* focus = window.get_focus();
  if (!focus || !GTK_IS_EDITABLE(focus->gobj())) return nullptr;
  if (focus == &cboURL || focus->is_ancestor(cboURL)) return nullptr;
  return focus;
}

MenuItem& Form1Controls::MenuNamed(std::string_view name) {
  const auto index = FindMenuCommand(name);
  if (!index) throw std::out_of_range("no menu item " + std::string(name));
  return *menus_[*index];
}

}  // namespace tarravelle
