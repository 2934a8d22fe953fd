#include "favorites/fav_dialog.h"

#include <glib/gstdio.h>
#include <glibmm/miscutils.h>
#include <gtkmm/label.h>
#include <unistd.h>

#include "app/form1.h"
#include "app/program.h"
#include "app/twips.h"
#include "favorites/list_file.h"
#include "platform/accessible_label.h"
#include "platform/window_manager.h"

namespace tarravelle {
namespace {

void Place(Gtk::Fixed& fixed, Gtk::Widget& widget, int left, int top, int width, int height) {
  widget.set_size_request(TwipsToPixels(width), TwipsToPixels(height));
  fixed.put(widget, TwipsToPixels(left), TwipsToPixels(top));
}

}  // namespace

std::string FavoritesFilePath(const std::string& programFolder, const std::string& dataFolder) {
  const std::string folder = access(programFolder.c_str(), W_OK) == 0 ? programFolder : dataFolder;
  return folder + "/fav.Dat";
}

frmFav::frmFav(Program& program)
    : program_(program),
      path_(FavoritesFilePath(program.services().folder.Path(), program.services().dataFolder)) {
  set_title("Form2");
  set_decorated(false);
  set_resizable(false);
  add_css_class("favorites");
  SetAccessibleLabel(*this, "Favorites");

  client_.set_size_request(TwipsToPixels(6165), TwipsToPixels(5865));
  List1.set_name("List1");
  List1.set_selection_mode(Gtk::SelectionMode::SINGLE);
  List1.set_activate_on_single_click(false);
  SetAccessibleLabel(List1, "Favorites");
  scroller_.set_child(List1);
  scroller_.set_policy(Gtk::PolicyType::AUTOMATIC, Gtk::PolicyType::AUTOMATIC);
  Place(client_, scroller_, 120, 120, 5895, 5130);
  cmdClose.set_label("_Close");
  cmdRemove.set_label("_Remove");
  cmdGoToFav.set_label("_Go to Url");
  for (auto* button : {&cmdClose, &cmdRemove, &cmdGoToFav}) button->set_use_underline(true);
  Place(client_, cmdClose, 240, 5280, 1095, 375);
  Place(client_, cmdRemove, 2520, 5280, 1095, 375);
  Place(client_, cmdGoToFav, 4800, 5280, 1095, 375);
  set_child(client_);

  List1.signal_row_selected().connect([this](Gtk::ListBoxRow* row) {
    if (row) List1_Click();
  });
  List1.signal_row_activated().connect([this](Gtk::ListBoxRow*) { List1_DblClick(); });
  cmdGoToFav.signal_clicked().connect([this] { cmdGoToFav_Click(); });
  cmdRemove.signal_clicked().connect([this] { cmdRemove_Click(); });
  cmdClose.signal_clicked().connect([this] { cmdClose_Click(); });

  // The list would select its first row on taking the focus; nothing is chosen until the person
  // chooses it.
  set_focus(cmdClose);

  Form_Load();
}

void frmFav::Form_Load() {
  // Where the window manager cannot keep it on top, it stays above the first main window.
  if (!MakeTopmost(*this)) {
    if (auto* first = program_.FirstWindow()) set_transient_for(*first);
  }
  LoadListFromFile(items_, path_, true);
  dirty_ = false;
  ShowItems();
  cmdGoToFav.set_sensitive(false);
}

void frmFav::ShowItems() {
  while (auto* row = List1.get_row_at_index(0)) List1.remove(*row);
  for (const auto& item : items_) {
    auto* label = Gtk::make_managed<Gtk::Label>(item);
    label->set_xalign(0);
    label->set_ellipsize(Pango::EllipsizeMode::END);
    List1.append(*label);
  }
}

void frmFav::AddItem(const std::string& item) {
  items_.push_back(item);
  dirty_ = true;
  auto* label = Gtk::make_managed<Gtk::Label>(item);
  label->set_xalign(0);
  label->set_ellipsize(Pango::EllipsizeMode::END);
  List1.append(*label);
}

int frmFav::ListIndex() const {
  const auto* row = List1.get_selected_row();
  return row ? row->get_index() : -1;
}

void frmFav::SetListIndex(int index) {
  if (auto* row = List1.get_row_at_index(index)) {
    List1.select_row(*row);
  } else {
    List1.unselect_all();
  }
}

void frmFav::List1_Click() { cmdGoToFav.set_sensitive(true); }

void frmFav::List1_DblClick() { cmdGoToFav_Click(); }

void frmFav::cmdGoToFav_Click() {
  // With nothing selected there is no favourite to open.
  const int index = ListIndex();
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  const std::string item = items_[static_cast<size_t>(index)];
  if (auto* first = program_.FirstWindow()) {
    first->cboURL.get_entry()->set_text(item);
    first->wWeb->Navigate(item);
  }
  hide();
}

void frmFav::cmdRemove_Click() {
  const int index = ListIndex();
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_.erase(items_.begin() + index);
  dirty_ = true;
  if (auto* row = List1.get_row_at_index(index)) List1.remove(*row);
}

std::optional<std::string> frmFav::Save() {
  // The data folder of an installed program may not exist yet.
  const std::string folder = Glib::path_get_dirname(path_);
  if (!items_.empty()) g_mkdir_with_parents(folder.c_str(), 0700);
  auto reason = SaveListToFile(items_, path_);
  if (!reason) dirty_ = false;
  return reason;
}

void frmFav::cmdClose_Click() {
  if (auto reason = Save()) {
    // Nothing is lost: the dialog stays loaded with its list.
    program_.services().prompts.MsgBox(
        this, "The favourites could not be saved to " + path_ + ": " + *reason, "Favorites",
        MsgIcon::Critical, MsgButtons::OK);
    return;
  }
  program_.UnloadFavoritesDialog();
}

}  // namespace tarravelle
