#pragma once

#include <webkit/webkit.h>

#include <optional>
#include <string>

#include "engine/engine_pages.h"
#include "ports/gobject_ptr.h"

namespace tarravelle {

// Trusting a certificate that the engine refused, as a deliberate choice of the person: the
// refusal is remembered while its page of the engine's own is shown, and only that page's form,
// submitted with the page's own token, trusts the certificate for its host in the network
// session and loads the page again. The token is new with each refusal, so another page (or
// window) that sends a form of its own to the acceptance address cannot know it.
class CertificateTrust {
 public:
  // Remembers the refusal of `address` and gives the page that explains it; nothing when the
  // address has no host.
  std::optional<EnginePageText> Refuse(const std::string& address, GTlsCertificate* certificate,
                                       GTlsCertificateFlags errors);
  // Another load started: the refusal is over.
  void Forget() { untrusted_.reset(); }
  // Takes a navigation of `view` to the acceptance address, which is never loaded; true when
  // the navigation was one (its decision is then made here). It trusts the certificate only
  // when it is the engine page's form, submitted with its token while the refusal stands.
  bool Decide(WebKitWebView* view, WebKitPolicyDecision* decision);

 private:
  struct Untrusted {
    std::string address;
    std::string host;
    GObjectPtr<GTlsCertificate> certificate;
    std::string acceptance;  // the acceptance address with this refusal's token
  };
  std::optional<Untrusted> untrusted_;
};

}  // namespace tarravelle
