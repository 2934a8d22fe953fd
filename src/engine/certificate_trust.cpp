#include "engine/certificate_trust.h"

namespace tarravelle {

std::optional<EnginePageText> CertificateTrust::Refuse(const std::string& address,
                                                       GTlsCertificate* certificate,
                                                       GTlsCertificateFlags errors) {
  const GUriPtr parsed(g_uri_parse(address.c_str(), G_URI_FLAGS_NONE, nullptr));
  const char* host = parsed ? g_uri_get_host(parsed.get()) : nullptr;
  if (!host) return std::nullopt;
  const GCharPtr token(g_uuid_string_random());
  untrusted_ = Untrusted{address, host,
                         GObjectPtr<GTlsCertificate>(G_TLS_CERTIFICATE(g_object_ref(certificate))),
                         std::string(kAcceptCertificate) + "?token=" + token.get()};
  return UntrustedCertificatePage(address, host, certificate, errors, token.get());
}

bool CertificateTrust::Decide(WebKitWebView* view, WebKitPolicyDecision* decision) {
  auto* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* target = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  if (!target || !std::string_view(target).starts_with(kAcceptCertificate)) return false;
  webkit_policy_decision_ignore(decision);
  // Only the form of the engine's own page, shown for this very refusal (under its address),
  // gets further: a link, a script, a redirect or another page's form never does.
  const char* shown = webkit_web_view_get_uri(view);
  if (!untrusted_ || !shown || untrusted_->address != shown || untrusted_->acceptance != target ||
      webkit_navigation_action_get_navigation_type(action) !=
          WEBKIT_NAVIGATION_TYPE_FORM_SUBMITTED) {
    return true;
  }
  webkit_network_session_allow_tls_certificate_for_host(webkit_web_view_get_network_session(view),
                                                        untrusted_->certificate.get(),
                                                        untrusted_->host.c_str());
  const std::string address = untrusted_->address;
  untrusted_.reset();
  webkit_web_view_load_uri(view, address.c_str());
  return true;
}

}  // namespace tarravelle
