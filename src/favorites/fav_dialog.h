#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/fixed.h>
#include <gtkmm/listbox.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/window.h>

#include <optional>
#include <string>
#include <vector>

namespace tarravelle {

class Program;

// fav.Dat in the program's folder when the person may write there (a build tree, a portable
// copy), and in the program's data folder otherwise (an installed program).
std::string FavoritesFilePath(const std::string& programFolder, const std::string& dataFolder);

// The favourites dialog: the list of fav.Dat, held while the dialog is loaded and written back
// by Close. Its commands act on the program's first main window.
class frmFav : public Gtk::Window {
 public:
  // Loading the dialog runs its load step, which reads the file.
  explicit frmFav(Program& program);

  Gtk::ListBox List1;
  Gtk::Button cmdClose, cmdRemove, cmdGoToFav;

  void Form_Load();
  void List1_Click();
  void List1_DblClick();
  void cmdGoToFav_Click();
  void cmdRemove_Click();
  void cmdClose_Click();

  const std::vector<std::string>& Items() const { return items_; }
  // Appends an item, as Add to Favorites does.
  void AddItem(const std::string& item);
  // The selected item's index, -1 for none; selecting one is what a click on it does.
  int ListIndex() const;
  void SetListIndex(int index);

  // Whether the list has changed since it was read or last saved.
  bool Dirty() const { return dirty_; }
  // Writes the list to the file; the reason when it cannot.
  std::optional<std::string> Save();
  const std::string& FilePath() const { return path_; }

 private:
  void ShowItems();

  Program& program_;
  std::string path_;
  std::vector<std::string> items_;
  bool dirty_ = false;
  Gtk::Fixed client_;
  Gtk::ScrolledWindow scroller_;
};

}  // namespace tarravelle
