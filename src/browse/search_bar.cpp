#include "browse/search_bar.h"

namespace tarravelle {

SearchBar::SearchBar(Form1Controls& form) : form_(form) {
  form.cmdGoogle.signal_clicked().connect([this] { cmdGoogle_Click(); });
  form.txtSearch.set_activates_default(false);
  form.txtSearch.signal_activate().connect([this] { txtSearch_Activate(); });
}

void SearchBar::cmdGoogle_Click() {
  form_.wWeb->Navigate(SearchAddress(form_.txtSearch.get_text()));
}

// Enter in the search box searches, as its button does.
void SearchBar::txtSearch_Activate() { cmdGoogle_Click(); }

}  // namespace tarravelle
