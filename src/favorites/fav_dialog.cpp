#include "favorites/fav_dialog.h"

#include <gtkmm/label.h>

#include "ui/accessible_label.h"
#include "ui/twips.h"

namespace tarravelle {
namespace {

void Place(Gtk::Fixed& fixed, Gtk::Widget& widget, int left, int top, int width, int height) {
  widget.set_size_request(TwipsToPixels(width), TwipsToPixels(height));
  fixed.put(widget, TwipsToPixels(left), TwipsToPixels(top));
}

Gtk::Label& ItemLabel(const std::string& item) {
  auto* label = Gtk::make_managed<Gtk::Label>(item);
  label->set_xalign(0);
  label->set_ellipsize(Pango::EllipsizeMode::END);
  return *label;
}

}  // namespace

frmFav::frmFav(Services services) : services_(std::move(services)) {
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
  SetButtonCaption(cmdClose, "_Close");
  SetButtonCaption(cmdRemove, "_Remove");
  SetButtonCaption(cmdGoToFav, "_Go to Url");
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
  auto& list = services_.list;
  list.Added.connect(sigc::mem_fun(*this, &frmFav::ShowAdded));
  list.Removed.connect(sigc::mem_fun(*this, &frmFav::ShowRemoved));
  list.Reset.connect(sigc::mem_fun(*this, &frmFav::ShowItems));

  // The list would select its first row on taking the focus; nothing is chosen until the person
  // chooses it.
  set_focus(cmdClose);

  Form_Load();
}

void frmFav::Form_Load() {
  // Where the window manager cannot keep it on top, it stays above the first main window.
  if (!services_.stacking || !services_.stacking->MakeTopmost(*this)) {
    if (services_.owner) set_transient_for(*services_.owner);
  }
  auto& list = services_.list;
  list.Load();
  cmdGoToFav.set_sensitive(false);
  if (!list.Unreadable().empty()) {
    services_.prompts.MsgBox(this,
                             "The favourites file " + list.FilePath() + " could not be read (" +
                                 list.Unreadable() +
                                 "). Tarravelle leaves it as it is; favourites you add now are "
                                 "saved to " +
                                 list.SavePath() + ".",
                             "Favorites", MsgIcon::Exclamation, MsgButtons::OK);
  }
}

void frmFav::ShowItems() {
  while (auto* row = List1.get_row_at_index(0)) List1.remove(*row);
  for (const auto& item : Items()) List1.append(ItemLabel(item));
}

void frmFav::ShowAdded(std::size_t index) {
  List1.insert(ItemLabel(Items()[index]), static_cast<int>(index));
}

void frmFav::ShowRemoved(std::size_t index) {
  if (auto* row = List1.get_row_at_index(static_cast<int>(index))) List1.remove(*row);
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
  if (index < 0 || index >= static_cast<int>(Items().size())) return;
  const std::string item = Items()[static_cast<size_t>(index)];
  services_.list.GoTo.emit(item);
  hide();
}

void frmFav::cmdRemove_Click() {
  const int index = ListIndex();
  if (index >= 0) services_.list.Remove(static_cast<std::size_t>(index));
}

void frmFav::cmdClose_Click() {
  if (auto reason = Save()) {
    // Nothing is lost: the dialog stays loaded with its list.
    services_.prompts.MsgBox(
        this, "The favourites could not be saved to " + services_.list.SavePath() + ": " + *reason,
        "Favorites", MsgIcon::Critical, MsgButtons::OK);
    return;
  }
  services_.unload();
}

}  // namespace tarravelle
