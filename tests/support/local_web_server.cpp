#include "support/local_web_server.h"

#include <glib/gstdio.h>
#include <libsoup/soup.h>

#include <algorithm>
#include <stdexcept>

namespace tarravelle::test {

namespace {

// A self-signed certificate for 127.0.0.1, made afresh in a temporary folder.
GTlsCertificate* MakeSelfSignedCertificate() {
  gchar* folder = g_dir_make_tmp("tarravelle-tls-XXXXXX", nullptr);
  const std::string cert = std::string(folder) + "/cert.pem";
  const std::string key = std::string(folder) + "/key.pem";
  const std::string command =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "
      "\"/CN=127.0.0.1/O=Tarravelle tests\" -addext subjectAltName=IP:127.0.0.1 -keyout " +
      key + " -out " + cert;
  gint status = 0;
  GError* error = nullptr;
  GTlsCertificate* certificate = nullptr;
  if (g_spawn_command_line_sync(command.c_str(), nullptr, nullptr, &status, &error) &&
      g_spawn_check_wait_status(status, &error)) {
    certificate = g_tls_certificate_new_from_files(cert.c_str(), key.c_str(), &error);
  }
  const std::string why = error ? error->message : "";
  g_clear_error(&error);
  g_remove(cert.c_str());
  g_remove(key.c_str());
  g_rmdir(folder);
  g_free(folder);
  if (!certificate) throw std::runtime_error("cannot make a certificate: " + why);
  return certificate;
}

}  // namespace

LocalWebServer::LocalWebServer(Scheme scheme) : scheme_(scheme) {
  if (scheme == Scheme::SelfSignedHttps) {
    GTlsCertificate* certificate = MakeSelfSignedCertificate();
    server_ = soup_server_new("tls-certificate", certificate, nullptr);
    g_object_unref(certificate);
  } else {
    server_ = soup_server_new(nullptr, nullptr);
  }
  GError* error = nullptr;
  const auto options = static_cast<SoupServerListenOptions>(
      SOUP_SERVER_LISTEN_IPV4_ONLY |
      (scheme == Scheme::SelfSignedHttps ? SOUP_SERVER_LISTEN_HTTPS : 0));
  if (!soup_server_listen_local(server_, 0, options, &error)) {
    std::string message = error->message;
    g_error_free(error);
    throw std::runtime_error("cannot listen: " + message);
  }
  GSList* uris = soup_server_get_uris(server_);
  port_ = g_uri_get_port(static_cast<GUri*>(uris->data));
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
  soup_server_add_handler(server_, nullptr, &LocalWebServer::Handle, this, nullptr);
}

LocalWebServer::~LocalWebServer() {
  for (auto& delayed : delayed_) {
    g_source_remove(delayed.source);
    g_object_unref(delayed.message);
  }
  soup_server_disconnect(server_);
  g_object_unref(server_);
}

void LocalWebServer::AddPage(const std::string& path, const std::string& body,
                             const std::string& contentType) {
  pages_[path] = {body, contentType, 0};
}

void LocalWebServer::AddSlowPage(const std::string& path, const std::string& body,
                                 unsigned delayMs) {
  pages_[path] = {body, "text/html", delayMs};
}

std::string LocalWebServer::Url(const std::string& path) const {
  return (scheme_ == Scheme::SelfSignedHttps ? "https://" : "http://") + HostAndPort(path);
}

std::string LocalWebServer::HostAndPort(const std::string& path) const {
  return "127.0.0.1:" + std::to_string(port_) + path;
}

int LocalWebServer::RequestCount(const std::string& path) const {
  return static_cast<int>(std::count(requests_.begin(), requests_.end(), path));
}

void LocalWebServer::Handle(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*,
                            void* data) {
  auto* self = static_cast<LocalWebServer*>(data);
  self->requests_.push_back(path);
  auto found = self->pages_.find(path);
  if (found == self->pages_.end()) {
    soup_server_message_set_status(message, 404, nullptr);
    const char notFound[] = "<html><title>Not found</title></html>";
    soup_server_message_set_response(message, "text/html", SOUP_MEMORY_COPY, notFound,
                                     sizeof notFound - 1);
    return;
  }
  const Page& page = found->second;
  soup_server_message_set_status(message, 200, nullptr);
  soup_server_message_set_response(message, page.contentType.c_str(), SOUP_MEMORY_COPY,
                                   page.body.data(), page.body.size());
  if (page.delayMs > 0) {
    soup_server_message_pause(message);
    auto& delayed = self->delayed_.emplace_back(Delayed{self, message});
    g_object_ref(message);
    delayed.source = g_timeout_add(page.delayMs, &LocalWebServer::ResumeDelayed, &delayed);
  }
}

int LocalWebServer::ResumeDelayed(void* data) {
  auto* delayed = static_cast<Delayed*>(data);
  soup_server_message_unpause(delayed->message);
  g_object_unref(delayed->message);
  delayed->server->delayed_.remove_if([delayed](const Delayed& d) { return &d == delayed; });
  return G_SOURCE_REMOVE;
}

}  // namespace tarravelle::test
