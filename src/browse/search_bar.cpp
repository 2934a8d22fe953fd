#include "browse/search_bar.h"

#include <glib.h>

#include "app/form1.h"

namespace tarravelle {

std::string SearchAddress(const std::string& text) {
  // Unreserved characters stay; a blank becomes %20, every other byte %XX.
  char* escaped = g_uri_escape_string(text.c_str(), nullptr, FALSE);
  std::string address = std::string("http://") + kSearchHost + "/search?q=" + escaped;
  g_free(escaped);
  return address;
}

SearchBar::SearchBar(Form1& form) : form_(form) {
  form.cmdGoogle.signal_clicked().connect([this] { cmdGoogle_Click(); });
  form.txtSearch.set_activates_default(false);
  form.txtSearch.signal_activate().connect([this] { txtSearch_Activate(); });
}

void SearchBar::cmdGoogle_Click() {
  form_.wWeb->Navigate(SearchAddress(form_.txtSearch.get_text()));
  form_.cmdBack.set_sensitive(true);
}

void SearchBar::txtSearch_Activate() {
  if (form_.cboURL.get_visible()) form_.activate_default();
}

}  // namespace tarravelle
