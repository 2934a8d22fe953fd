#include "browse/search_bar.h"

#include <glib.h>

#include "ports/gobject_ptr.h"

namespace tarravelle {

std::string SearchAddress(const std::string& text) {
  // Over https, so the query never crosses the network readable. Unreserved characters stay;
  // a blank becomes %20, every other byte %XX.
  const GCharPtr escaped(g_uri_escape_string(text.c_str(), nullptr, FALSE));
  return std::string("https://") + kSearchHost + "/search?q=" + escaped.get();
}

SearchBar::SearchBar(Form1Controls& form) : form_(form) {
  form.cmdGoogle.signal_clicked().connect([this] { cmdGoogle_Click(); });
  form.txtSearch.set_activates_default(false);
  form.txtSearch.signal_activate().connect([this] { txtSearch_Activate(); });
}

void SearchBar::cmdGoogle_Click() {
  form_.wWeb->Navigate(SearchAddress(form_.txtSearch.get_text()));
  form_.cmdBack.set_sensitive(true);
}

void SearchBar::txtSearch_Activate() {
  if (form_.cboURL.get_visible()) form_.window.activate_default();
}

}  // namespace tarravelle
