#pragma once

#include <gio/gio.h>
#include <webkit/webkit.h>

#include <string>
#include <string_view>

namespace tarravelle {

// The engine's own pages, shown in place of a page that could not be shown, and all they say.

// One such page: its HTML, the address it stands for (which the address bar shows and Refresh
// loads), and the failure that stays on the status line until the next load starts.
struct EnginePageText {
  std::string html;
  std::string address;
  std::string failure;
  // What the program is told the page's address is, when not `address`.
  std::string shown = {};
};

// The address that stands for an engine page with no page of its own behind it.
inline constexpr const char* kEngineErrorAddress = "tarravelle://error/";
// The untrusted-certificate page's button submits its form to this address (with the page's
// token as `token`), which the engine takes itself and never loads.
inline constexpr std::string_view kAcceptCertificate = "tarravelle://accept-certificate";

// Where a home page setting is kept: the settings file and the group of its key HP.
struct HomePageSetting {
  std::string settingsFile;
  std::string group;
};

// A text the engine cannot open as an address (`typed` as given, which the address bar keeps
// showing): the page offers to search for it and, for a home page setting, says where to
// change it.
EnginePageText RefusedAddressPage(const std::string& typed, const HomePageSetting& homePage = {});
// A load that failed, with the engine's reason.
EnginePageText LoadFailedPage(const std::string& address, const std::string& reason);
// A page whose web process ended (crashed, out of memory, ended by the system).
EnginePageText StoppedPage(const std::string& address, WebKitWebProcessTerminationReason reason);
// A page not loaded because its certificate is not trusted: what is wrong, the certificate's
// details, and the button that trusts it for `host`. The button's form sends `token`, which
// only this page knows.
EnginePageText UntrustedCertificatePage(const std::string& address, const std::string& host,
                                        GTlsCertificate* certificate, GTlsCertificateFlags errors,
                                        const std::string& token);

// The HTML of an engine page: a title, a heading, lines of plain text (escaped here) and any
// further HTML of the page's own.
std::string EnginePage(const std::string& title, const std::string& heading,
                       const std::string& text, const std::string& extraHtml = {});
// Text escaped for HTML.
std::string HtmlText(const std::string& text);

}  // namespace tarravelle
