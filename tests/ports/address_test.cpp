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

TEST(SearchAddress, EncodesTheQueryAsUtf8ForAUrlQuery) {
  EXPECT_EQ(SearchAddress(""), "https://www.google.com/search?q=");
  EXPECT_EQ(SearchAddress("plain-words_1.2~x"),
            "https://www.google.com/search?q=plain-words_1.2~x");
  EXPECT_EQ(SearchAddress(" two words "), "https://www.google.com/search?q=%20two%20words%20");
  EXPECT_EQ(SearchAddress("AT&T"), "https://www.google.com/search?q=AT%26T");
  EXPECT_EQ(SearchAddress("C# tips"), "https://www.google.com/search?q=C%23%20tips");
  EXPECT_EQ(SearchAddress("1+1=2?"), "https://www.google.com/search?q=1%2B1%3D2%3F");
  EXPECT_EQ(SearchAddress("Straße"), "https://www.google.com/search?q=Stra%C3%9Fe");
  EXPECT_EQ(SearchAddress("a/b%c"), "https://www.google.com/search?q=a%2Fb%25c");
}

}  // namespace
}  // namespace tarravelle
