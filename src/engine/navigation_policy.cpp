#include "engine/navigation_policy.h"

#include <string>

#include "engine/address_fixup.h"
#include "engine/engine_pages.h"

namespace tarravelle {
namespace {

gboolean RefuseRestrictedPort(WebKitPolicyDecision* decision, EnginePageShower& pages) {
  auto* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* target = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  const auto port = target ? RestrictedPort(target) : std::nullopt;
  if (!port) return FALSE;
  webkit_policy_decision_ignore(decision);
  pages.Show(LoadFailedPage(target, "web pages may not use port " + std::to_string(*port) +
                                        ", which serves other kinds of programs"));
  return TRUE;
}

}  // namespace

gboolean DecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                      WebKitPolicyDecisionType type, CertificateTrust& trust,
                      EnginePageShower& pages) {
  if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) {
    if (trust.Decide(view, decision)) return TRUE;
    return RefuseRestrictedPort(decision, pages);
  }
  if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  auto* response = WEBKIT_RESPONSE_POLICY_DECISION(decision);
  if (webkit_response_policy_decision_is_mime_type_supported(response)) return FALSE;
  webkit_policy_decision_download(decision);
  return TRUE;
}

}  // namespace tarravelle
