#include "ports/address.h"

#include <gtest/gtest.h>

namespace tarravelle {
namespace {

TEST(NormaliseAddress, KeepsAnySchemeAndPrefixesEverythingElseExactlyAsTyped) {
  EXPECT_EQ(NormaliseAddress("www.example.org"), "http://www.example.org");
  EXPECT_EQ(NormaliseAddress("host:8080/path"), "http://host:8080/path");
  EXPECT_EQ(NormaliseAddress(""), "http://");
  EXPECT_EQ(NormaliseAddress(" spaced "), "http:// spaced ");
  EXPECT_EQ(NormaliseAddress("https://example.org"), "https://example.org");
  EXPECT_EQ(NormaliseAddress("http://example.org"), "http://example.org");
  EXPECT_EQ(NormaliseAddress("svn+ssh://x"), "svn+ssh://x");
  EXPECT_EQ(NormaliseAddress("About:blank"), "About:blank");
  EXPECT_EQ(NormaliseAddress("file:/tmp/a"), "file:/tmp/a");
  EXPECT_EQ(NormaliseAddress("data:text/plain,x"), "data:text/plain,x");
  EXPECT_EQ(NormaliseAddress("mailto:me@example.org"), "mailto:me@example.org");
  EXPECT_EQ(NormaliseAddress("view-source:http://x"), "view-source:http://x");
  EXPECT_EQ(NormaliseAddress("1http://x"), "http://1http://x");
  EXPECT_EQ(NormaliseAddress("javascript:alert(1)"), "http://javascript:alert(1)");
}

}  // namespace
}  // namespace tarravelle
