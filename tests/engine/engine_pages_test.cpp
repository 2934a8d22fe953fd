#include "engine/engine_pages.h"

#include <gtest/gtest.h>

#include "ports/address.h"

namespace tarravelle {
namespace {

TEST(EnginePages, ATextThatIsNoAddressOffersASearchAndOnlyAHomePageSpeaksOfTheSettings) {
  const auto typed = RefusedAddressPage("two words");
  EXPECT_EQ(typed.shown, "two words");
  EXPECT_NE(typed.html.find("href=\"" + SearchAddress("two words") + "\""), std::string::npos);
  EXPECT_EQ(typed.html.find("settings"), std::string::npos);

  const auto home = RefusedAddressPage("http://bad host/", {"/home/me/settings.ini", "/opt/t\\HP"});
  EXPECT_NE(home.html.find("[/opt/t\\HP] in /home/me/settings.ini"), std::string::npos);
}

}  // namespace
}  // namespace tarravelle
