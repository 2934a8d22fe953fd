#pragma once

#include <list>
#include <map>
#include <string>
#include <vector>

typedef struct _SoupServer SoupServer;
typedef struct _SoupServerMessage SoupServerMessage;
typedef struct _GHashTable GHashTable;

namespace tarravelle::test {

// A web server on the loopback address, serving pages that a test sets up, and keeping a list
// of every path requested.
class LocalWebServer {
 public:
  enum class Scheme { Http, SelfSignedHttps };

  // Over https, the server's certificate is one the test makes at once (with openssl), for
  // 127.0.0.1 and signed by nobody but itself.
  explicit LocalWebServer(Scheme scheme = Scheme::Http);
  ~LocalWebServer();
  LocalWebServer(const LocalWebServer&) = delete;
  LocalWebServer& operator=(const LocalWebServer&) = delete;

  void AddPage(const std::string& path, const std::string& body,
               const std::string& contentType = "text/html");
  // A page whose answer starts only after `delayMs`.
  void AddSlowPage(const std::string& path, const std::string& body, unsigned delayMs);

  // "http://127.0.0.1:PORT" (or https) followed by `path`.
  std::string Url(const std::string& path) const;
  // "127.0.0.1:PORT" followed by `path`: an address without its scheme.
  std::string HostAndPort(const std::string& path) const;
  int RequestCount(const std::string& path) const;
  const std::vector<std::string>& Requests() const { return requests_; }

 private:
  struct Page {
    std::string body;
    std::string contentType;
    unsigned delayMs = 0;
  };
  static void Handle(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*,
                     void* self);

  struct Delayed {
    LocalWebServer* server;
    SoupServerMessage* message;
    unsigned source = 0;
  };
  static int ResumeDelayed(void* delayed);

  Scheme scheme_;
  SoupServer* server_;
  std::list<Delayed> delayed_;  // answers still held back, ended with the server
  int port_ = 0;
  std::map<std::string, Page> pages_;
  std::vector<std::string> requests_;
};

}  // namespace tarravelle::test
