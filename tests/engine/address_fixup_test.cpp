#include "engine/address_fixup.h"

#include <gtest/gtest.h>

namespace tarravelle {
namespace {

TEST(AddressFixUp, AddressWithoutSchemeLoadsOverHttp) {
  EXPECT_EQ(FixUpAddress("www.example.org"), "http://www.example.org");
  EXPECT_EQ(FixUpAddress("localhost:8080/path?q=1"), "http://localhost:8080/path?q=1");
  EXPECT_EQ(FixUpAddress("  example.org/a b  "), "http://example.org/a b");
}

TEST(AddressFixUp, AddressWithSchemeIsKept) {
  EXPECT_EQ(FixUpAddress("https://example.org/"), "https://example.org/");
  EXPECT_EQ(FixUpAddress("HTTP://Example.org"), "HTTP://Example.org");
  EXPECT_EQ(FixUpAddress("tarravelle://start"), "tarravelle://start");
  EXPECT_EQ(FixUpAddress("about:blank"), "about:blank");
  EXPECT_EQ(FixUpAddress("file:///tmp/a.html"), "file:///tmp/a.html");
  EXPECT_EQ(FixUpAddress("data:text/html,hi"), "data:text/html,hi");
  EXPECT_EQ(FixUpAddress("mailto:someone@example.org"), "mailto:someone@example.org");
}

TEST(AddressFixUp, EmptyAndMalformedAddressesAreRefused) {
  EXPECT_EQ(FixUpAddress(""), std::nullopt);
  EXPECT_EQ(FixUpAddress("   \t"), std::nullopt);
  EXPECT_EQ(FixUpAddress("http://"), std::nullopt);
  EXPECT_EQ(FixUpAddress("http:// nowhere"), std::nullopt);
  EXPECT_EQ(FixUpAddress("http://exa mple.org/"), std::nullopt);
  EXPECT_EQ(FixUpAddress("http://[::1"), std::nullopt);
  // The address bar's rule holds here too: a script address is no scheme, so it is refused.
  EXPECT_EQ(FixUpAddress("javascript:alert(1)"), std::nullopt);
}

TEST(AddressFixUp, RestrictedPortsAreKnownForWebAddressesOnly) {
  EXPECT_EQ(RestrictedPort("http://127.0.0.1:25/"), 25);
  EXPECT_EQ(RestrictedPort("https://example.org:10080/x"), 10080);
  EXPECT_EQ(RestrictedPort("http://example.org/"), std::nullopt);  // the scheme's own port
  EXPECT_EQ(RestrictedPort("http://example.org:8080/"), std::nullopt);
  EXPECT_EQ(RestrictedPort("ftp://example.org:21/"), std::nullopt);
}

}  // namespace
}  // namespace tarravelle
