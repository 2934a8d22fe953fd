#include "engine/engine_pages.h"

#include "engine/certificate_text.h"
#include "ports/address.h"
#include "ports/gobject_ptr.h"

namespace tarravelle {

EnginePageText RefusedAddressPage(const std::string& typed, const HomePageSetting& homePage) {
  std::string text = "\u201C" + typed + "\u201D is not an address that can be opened.";
  if (!homePage.settingsFile.empty()) {
    text += "\nIt is your home page: change the key HP of the group [" + homePage.group + "] in " +
            homePage.settingsFile + ".";
  }
  const std::string search = "<p><a href=\"" + HtmlText(SearchAddress(typed)) +
                             "\">Search the web for \u201C" + HtmlText(typed) + "\u201D</a></p>";
  return {EnginePage("Not an address", "This is not an address", text, search), kEngineErrorAddress,
          "Cannot open \u201C" + typed + "\u201D: it is not a valid address", typed};
}

EnginePageText LoadFailedPage(const std::string& address, const std::string& reason) {
  return {EnginePage("Cannot open page", "This page could not be opened",
                     "Tarravelle could not open " + address + ".\nThe reason: " + reason +
                         ".\nCheck the address and your connection, then press Refresh to try "
                         "again."),
          address, "Cannot open " + address + ": " + reason};
}

EnginePageText StoppedPage(const std::string& address, WebKitWebProcessTerminationReason reason) {
  const std::string why = reason == WEBKIT_WEB_PROCESS_CRASHED ? "it crashed"
                          : reason == WEBKIT_WEB_PROCESS_EXCEEDED_MEMORY_LIMIT
                              ? "it used more memory than it may"
                              : "the program ended it";
  return {EnginePage("Page stopped", "This page stopped",
                     "The page " + address + " stopped working because " + why +
                         ".\nPress Refresh to load it again."),
          address.empty() ? kEngineErrorAddress : address, "The page stopped: " + why};
}

EnginePageText UntrustedCertificatePage(const std::string& address, const std::string& host,
                                        GTlsCertificate* certificate, GTlsCertificateFlags errors,
                                        const std::string& token) {
  const std::string text =
      "Tarravelle did not load " + address + " because the certificate that " + host +
      " showed cannot be trusted: " + CertificateProblems(certificate, errors) + ".\n" +
      CertificateDetails(certificate) +
      "\nSomeone may be pretending to be this site. Only go on if you know why the certificate "
      "is like this. Trusting it trusts it for " +
      host + " on every port, until Tarravelle ends.";
  const std::string button = "<form action=\"" + std::string(kAcceptCertificate) +
                             "\" method=\"get\"><input type=\"hidden\" name=\"token\" value=\"" +
                             HtmlText(token) +
                             "\"><button type=\"submit\">Trust this certificate "
                             "for " +
                             HtmlText(host) +
                             " on every port until Tarravelle ends, and load the page</button>"
                             "</form>";
  return {EnginePage("Untrusted connection", "This connection is not trusted", text, button),
          address, "Not loaded: the certificate of " + host + " is not trusted"};
}

std::string HtmlText(const std::string& text) {
  const GCharPtr escaped(g_markup_escape_text(text.c_str(), static_cast<gssize>(text.size())));
  return escaped.get();
}

std::string EnginePage(const std::string& title, const std::string& heading,
                       const std::string& text, const std::string& extraHtml) {
  std::string paragraphs;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
    if (!line.empty()) paragraphs += "<p>" + HtmlText(line) + "</p>\n";
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + HtmlText(title) +
         "</title><style>body{background:#fff;color:#222;font:15px 'Liberation Sans',sans-serif;"
         "margin:3em;max-width:46em}h1{font-size:22px;color:#a00}p{line-height:1.4}"
         "code{word-break:break-all}button{font-size:14px;padding:6px 12px}</style></head>"
         "<body><h1>" +
         HtmlText(heading) + "</h1>\n" + paragraphs + extraHtml + "</body></html>";
}

}  // namespace tarravelle
