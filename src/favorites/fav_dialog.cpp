#include "favorites/fav_dialog.h"

#include <vector>

#include "ui/accessible_label.h"
#include "ui/text_rows.h"
#include "ui/twips.h"

namespace tarravelle {
namespace {

void Place(Gtk::Fixed& fixed, Gtk::Widget& widget, int left, int top, int width, int height) {
  widget.set_size_request(TwipsToPixels(width), TwipsToPixels(height));
  fixed.put(widget, TwipsToPixels(left), TwipsToPixels(top));
}

}  // namespace

frmFav::frmFav(Services services) : services_(std::move(services)) {
  // Announced as the dialog it is (a window of its own, not a part of another).
  g_object_set(gobj(), "accessible-role", GTK_ACCESSIBLE_ROLE_DIALOG, nullptr);
  set_title("Form2");
  set_decorated(false);
  set_resizable(false);
  add_css_class("favorites");
  SetAccessibleLabel(*this, "Favorites");

  client_.set_size_request(TwipsToPixels(6165), TwipsToPixels(5865));
  List1.set_name("List1");
  rows_ = Gtk::StringList::create({});
  selection_ = Gtk::SingleSelection::create(rows_);
  // Nothing is chosen until the person chooses it.
  selection_->set_autoselect(false);
  selection_->set_can_unselect(true);
  List1.set_model(selection_);
  List1.set_factory(TextRows());
  List1.set_single_click_activate(false);
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

  selection_->property_selected().signal_changed().connect([this] {
    if (ListIndex() >= 0) List1_Click();
  });
  List1.signal_activate().connect([this](guint) { List1_DblClick(); });
  cmdGoToFav.signal_clicked().connect([this] { cmdGoToFav_Click(); });
  cmdRemove.signal_clicked().connect([this] { cmdRemove_Click(); });
  cmdClose.signal_clicked().connect([this] { cmdClose_Click(); });
  auto& list = services_.list;
  list.Added.connect(sigc::mem_fun(*this, &frmFav::ShowAdded));
  list.Removed.connect(sigc::mem_fun(*this, &frmFav::ShowRemoved));
  list.Reset.connect(sigc::mem_fun(*this, &frmFav::ShowItems));

  set_focus(cmdClose);

  Form_Load();
}

void frmFav::Form_Load() {
  // Where the window manager cannot keep it on top, it stays above the first main window. It
  // opens in the middle of the screen.
  if (!services_.stacking || !services_.stacking->MakeTopmost(*this)) {
    if (services_.owner) set_transient_for(*services_.owner);
  }
  if (services_.stacking) services_.stacking->PlaceInCentre(*this);
  auto& list = services_.list;
  // The list may have been read already, by Add to Favorites; reading it shows it.
  if (list.Loaded()) {
    ShowItems();
  } else {
    list.Load();
  }
  cmdGoToFav.set_sensitive(false);
  if (const auto notice = list.TakeLoadNotice()) {
    services_.prompts.MsgBox(this, *notice, "Favorites", MsgIcon::Exclamation, MsgButtons::OK);
  }
}

namespace {

// An item as its row shows it: a very long one (a line of megabytes in a damaged file) is cut,
// at a character's start, so the dialog opens at once; the item itself stays whole.
constexpr std::size_t kLongestShown = 2000;

std::string Shown(const std::string& item) {
  if (item.size() <= kLongestShown) return item;
  const char* end = g_utf8_find_prev_char(item.data(), item.data() + kLongestShown + 1);
  return std::string(item.data(), end ? end : item.data() + kLongestShown) + "\u2026";
}

}  // namespace

void frmFav::ShowItems() {
  std::vector<std::string> shown;
  shown.reserve(Items().size());
  std::vector<const char*> texts;
  texts.reserve(Items().size() + 1);
  for (const auto& item : Items()) {
    if (item.size() > kLongestShown) {
      texts.push_back(shown.emplace_back(Shown(item)).c_str());
    } else {
      texts.push_back(item.c_str());
    }
  }
  texts.push_back(nullptr);
  gtk_string_list_splice(rows_->gobj(), 0, rows_->get_n_items(), texts.data());
}

void frmFav::ShowAdded(std::size_t index) {
  const std::string shown = Shown(Items()[index]);
  const char* text[] = {shown.c_str(), nullptr};
  gtk_string_list_splice(rows_->gobj(), static_cast<guint>(index), 0, text);
}

void frmFav::ShowRemoved(std::size_t index) { rows_->remove(static_cast<guint>(index)); }

int frmFav::ListIndex() const {
  const guint selected = selection_->get_selected();
  return selected == GTK_INVALID_LIST_POSITION ? -1 : static_cast<int>(selected);
}

void frmFav::SetListIndex(int index) {
  selection_->set_selected(index >= 0 && static_cast<guint>(index) < rows_->get_n_items()
                               ? static_cast<guint>(index)
                               : GTK_INVALID_LIST_POSITION);
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
