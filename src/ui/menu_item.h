#pragma once

#include <giomm/simpleaction.h>
#include <giomm/simpleactiongroup.h>
#include <sigc++/signal.h>

#include <string>

#include "ui/form_design.h"

namespace tarravelle {

// One menu item of a window: a window action named after the item ("win.mnuFileWorkOffline").
// A check mark is the action's boolean state, a greyed item a disabled action. An item array
// (several items under one name) is one action that takes the item's index.
class MenuItem {
 public:
  MenuItem(const MenuDesign& design, Gio::SimpleActionGroup& group);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  bool IsArray() const { return isArray_; }
  bool Checkable() const { return checkable_; }

  bool Checked() const;
  void SetChecked(bool checked);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // Chooses the item as the person would from the menu; nothing when it is disabled.
  void Click(int index = -1);

  // Raised when the item is chosen; the index is that of an array item, -1 otherwise.
  sigc::signal<void(int)>& signal_click() { return click_; }

 private:
  std::string name_;
  std::string caption_;
  bool isArray_;
  bool checkable_;
  Glib::RefPtr<Gio::SimpleAction> action_;
  sigc::signal<void(int)> click_;
};

// Menu caption text for GTK: "&" becomes the "_" access key mark; a literal "_" is doubled, and an
// "&" that marks no letter stays as it stands.
std::string MnemonicCaption(std::string_view caption);

}  // namespace tarravelle
