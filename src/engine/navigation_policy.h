#pragma once

#include <webkit/webkit.h>

#include "engine/certificate_trust.h"
#include "engine/engine_page_shower.h"

namespace tarravelle {

// The view's `decide-policy`: the untrusted-certificate page's button is the engine's own
// (`trust`), a restricted port gets the engine's page that says why rather than WebKit's silent
// empty one (`pages`), and a response the engine cannot show is saved, not dropped. True when
// decided here.
gboolean DecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                      WebKitPolicyDecisionType type, CertificateTrust& trust,
                      EnginePageShower& pages);

}  // namespace tarravelle
