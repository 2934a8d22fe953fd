#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/fixed.h>
#include <gtkmm/listview.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/singleselection.h>
#include <gtkmm/stringlist.h>
#include <gtkmm/window.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "favorites/favorites_list.h"
#include "ports/prompts.h"
#include "ports/window_stacking.h"

namespace tarravelle {

// The favourites dialog: a view of the program's favourites list, which is read when the dialog
// is loaded (unless Add to Favorites has read it already) and written back on Close. Go to Url
// asks the list to open the chosen address.
class frmFav : public Gtk::Window {
 public:
  struct Services {
    FavoritesList& list;
    Prompts& prompts;
    // Keeps the dialog above other windows; where it cannot, the dialog stays above `owner`.
    WindowStacking* stacking = nullptr;
    Gtk::Window* owner = nullptr;
    // Unloads the dialog, once Close has saved the list.
    std::function<void()> unload;
  };

  // Loading the dialog runs its load step, which reads the file.
  explicit frmFav(Services services);

  // A list view over the items: only the rows in sight have widgets, so a list of any length
  // shows at once.
  Gtk::ListView List1;
  Gtk::Button cmdClose, cmdRemove, cmdGoToFav;

  void Form_Load();
  void List1_Click();
  void List1_DblClick();
  void cmdGoToFav_Click();
  void cmdRemove_Click();
  void cmdClose_Click();

  const std::vector<std::string>& Items() const { return services_.list.Items(); }
  // The selected item's index, -1 for none; selecting one is what a click on it does.
  int ListIndex() const;
  void SetListIndex(int index);

  bool Dirty() const { return services_.list.Dirty(); }
  std::optional<std::string> Save() { return services_.list.Save(); }
  const std::string& FilePath() const { return services_.list.FilePath(); }

 private:
  // The list's changes, shown as they happen (a window is trackable: they end with it).
  void ShowItems();
  void ShowAdded(std::size_t index);
  void ShowRemoved(std::size_t index);

  Services services_;
  Glib::RefPtr<Gtk::StringList> rows_;
  Glib::RefPtr<Gtk::SingleSelection> selection_;
  Gtk::Fixed client_;
  Gtk::ScrolledWindow scroller_;
};

}  // namespace tarravelle
