#include "engine/certificate_text.h"

#include <utility>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

std::string DateText(GDateTime* when) {
  if (!when) return "an unknown date";
  const GDateTimePtr local(g_date_time_to_local(when));
  const GCharPtr text(g_date_time_format(local.get(), "%c"));
  return text ? text.get() : "an unknown date";
}

struct Names {
  GCharPtr subject, issuer;
  GDateTimePtr from, until;
};

Names NamesOf(GTlsCertificate* certificate) {
  gchar* subject = nullptr;
  gchar* issuer = nullptr;
  GDateTime* from = nullptr;
  GDateTime* until = nullptr;
  g_object_get(certificate, "subject-name", &subject, "issuer-name", &issuer, "not-valid-before",
               &from, "not-valid-after", &until, nullptr);
  return {GCharPtr(subject), GCharPtr(issuer), GDateTimePtr(from), GDateTimePtr(until)};
}

}  // namespace

std::string CertificateProblems(GTlsCertificate* certificate, GTlsCertificateFlags errors) {
  const Names names = NamesOf(certificate);
  const bool selfSigned =
      names.subject && names.issuer && std::string(names.subject.get()) == names.issuer.get();
  const std::pair<GTlsCertificateFlags, const char*> kProblems[] = {
      {G_TLS_CERTIFICATE_UNKNOWN_CA, selfSigned
                                         ? "it is self-signed: nobody vouches for it"
                                         : "it is issued by an authority that is not trusted"},
      {G_TLS_CERTIFICATE_BAD_IDENTITY, "it was issued for another site"},
      {G_TLS_CERTIFICATE_NOT_ACTIVATED, "it is not valid yet"},
      {G_TLS_CERTIFICATE_EXPIRED, "it has expired"},
      {G_TLS_CERTIFICATE_REVOKED, "it has been revoked"},
      {G_TLS_CERTIFICATE_INSECURE, "it is made with an insecure algorithm"},
      {G_TLS_CERTIFICATE_GENERIC_ERROR, "it is not valid"},
  };
  std::string text;
  for (const auto& [flag, words] : kProblems) {
    if (errors & flag) text += (text.empty() ? "" : "; ") + std::string(words);
  }
  return text;
}

std::string CertificateDetails(GTlsCertificate* certificate) {
  const Names names = NamesOf(certificate);
  return "Certificate for: " + std::string(names.subject ? names.subject.get() : "unknown") +
         "\nIssued by: " + std::string(names.issuer ? names.issuer.get() : "unknown") +
         "\nValid from " + DateText(names.from.get()) + " until " + DateText(names.until.get());
}

}  // namespace tarravelle
