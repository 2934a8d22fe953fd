#include "ui/menu_item.h"

#include <cctype>

namespace tarravelle {

MenuItem::MenuItem(const MenuDesign& design, Gio::SimpleActionGroup& group)
    : name_(design.name),
      caption_(design.caption),
      isArray_(design.index >= 0),
      checkable_(design.checkable) {
  if (isArray_) {
    action_ = Gio::SimpleAction::create(name_, Glib::VARIANT_TYPE_INT32);
  } else if (checkable_) {
    action_ = Gio::SimpleAction::create_bool(name_, design.checked);
  } else {
    action_ = Gio::SimpleAction::create(name_);
  }
  action_->set_enabled(design.enabled);
  // The handler decides what a click does to the check mark; the action never flips it itself.
  action_->signal_activate().connect([this](const Glib::VariantBase& parameter) {
    int index = -1;
    if (isArray_ && parameter) {
      index = Glib::VariantBase::cast_dynamic<Glib::Variant<int>>(parameter).get();
    }
    click_.emit(index);
  });
  group.add_action(action_);
}

bool MenuItem::Checked() const {
  if (!checkable_) return false;
  bool state = false;
  action_->get_state(state);
  return state;
}

void MenuItem::SetChecked(bool checked) {
  if (checkable_) action_->change_state(checked);
}

bool MenuItem::Enabled() const { return action_->get_enabled(); }

void MenuItem::SetEnabled(bool enabled) { action_->set_enabled(enabled); }

void MenuItem::Click(int index) {
  if (!Enabled()) return;
  if (isArray_) {
    action_->activate(Glib::Variant<int>::create(index));
  } else {
    action_->activate();
  }
}

std::string MnemonicCaption(std::string_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '_') {
      out += "__";
    } else if (c == '&' && i + 1 < caption.size() && caption[i + 1] == '&') {
      out += '&';
      ++i;
    } else if (c == '&' && i + 1 < caption.size() &&
               std::isalnum(static_cast<unsigned char>(caption[i + 1]))) {
      out += '_';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace tarravelle
