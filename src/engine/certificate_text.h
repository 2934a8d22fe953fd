#pragma once

#include <gio/gio.h>

#include <string>

namespace tarravelle {

// What is wrong with a certificate, in plain words ("it is self-signed", "it has expired", ...),
// joined by "; "; empty when nothing is.
std::string CertificateProblems(GTlsCertificate* certificate, GTlsCertificateFlags errors);

// Whom the certificate is for, who issued it, and from when until when it is valid, a line each.
std::string CertificateDetails(GTlsCertificate* certificate);

}  // namespace tarravelle
