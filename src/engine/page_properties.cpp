#include "engine/page_properties.h"

#include <gtkmm/label.h>

#include "engine/certificate_text.h"
#include "ports/gobject_ptr.h"
#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

constexpr char kPageResponse[] = "tarravelle-page-response";

std::string Security(WebKitWebView* view, const std::string& scheme) {
  GTlsCertificate* certificate = nullptr;
  GTlsCertificateFlags errors{};
  if (!webkit_web_view_get_tls_info(view, &certificate, &errors) || !certificate) {
    return scheme == "https" ? "Encrypted, no certificate details" : "Not encrypted";
  }
  const std::string problems = CertificateProblems(certificate, errors);
  return "Encrypted (TLS)\n" + CertificateDetails(certificate) + "\n" +
         (problems.empty() ? std::string("No certificate errors") : "The certificate: " + problems);
}

}  // namespace

void SetPageResponse(WebKitWebView* view, WebKitURIResponse* response) {
  if (!response) return g_object_set_data(G_OBJECT(view), kPageResponse, nullptr);
  g_object_set_data_full(G_OBJECT(view), kPageResponse, g_object_ref(response), g_object_unref);
}

std::vector<std::pair<std::string, std::string>> PageProperties(WebKitWebView* view) {
  const char* title = webkit_web_view_get_title(view);
  const char* uri = webkit_web_view_get_uri(view);
  const std::string address = uri ? uri : "";
  const GCharPtr scheme(g_uri_parse_scheme(address.c_str()));
  const std::string protocol = scheme ? scheme.get() : "";

  std::string type = "Unknown", size = "Unknown", served = "Unknown", modified = "Unknown";
  if (auto* response =
          static_cast<WebKitURIResponse*>(g_object_get_data(G_OBJECT(view), kPageResponse))) {
    if (const char* mime = webkit_uri_response_get_mime_type(response); mime && *mime) type = mime;
    if (const guint64 length = webkit_uri_response_get_content_length(response)) {
      size = std::to_string(length) + " bytes";
    }
    if (SoupMessageHeaders* headers = webkit_uri_response_get_http_headers(response)) {
      if (const char* date = soup_message_headers_get_one(headers, "Date")) served = date;
      if (const char* last = soup_message_headers_get_one(headers, "Last-Modified")) {
        modified = last;
      }
    }
  }
  return {
      {"Title", title && *title ? title : "(untitled)"},
      {"Address", address.empty() ? "(none)" : address},
      {"Protocol", protocol.empty() ? "Unknown" : protocol},
      {"Connection", Security(view, protocol)},
      {"Type", type},
      {"Size", size},
      {"Served", served},
      {"Modified", modified},
  };
}

PropertiesWindow::PropertiesWindow(WebKitWebView* view) : rows_(PageProperties(view)) {
  set_title("Properties");
  set_resizable(false);
  box_.set_margin(12);
  grid_.set_row_spacing(6);
  grid_.set_column_spacing(12);
  int row = 0;
  for (const auto& [name, value] : rows_) {
    auto* nameLabel = Gtk::make_managed<Gtk::Label>(name + ":");
    nameLabel->set_xalign(1);
    nameLabel->set_yalign(0);
    auto* valueLabel = Gtk::make_managed<Gtk::Label>(value);
    valueLabel->set_xalign(0);
    valueLabel->set_selectable(true);
    valueLabel->set_wrap(true);
    valueLabel->set_max_width_chars(60);
    SetAccessibleLabel(*valueLabel, name);
    grid_.attach(*nameLabel, 0, row);
    grid_.attach(*valueLabel, 1, row);
    ++row;
  }
  ok_.set_label("OK");
  ok_.set_halign(Gtk::Align::END);
  ok_.signal_clicked().connect([this] { hide(); });
  box_.append(grid_);
  box_.append(ok_);
  set_child(box_);
  set_default_widget(ok_);
}

}  // namespace tarravelle
