#include "dialogs/splash.h"

#include <gtest/gtest.h>

#include "support/main_loop.h"

namespace tarravelle {
namespace {

TEST(SplashVersion, ReadsMajorMinorRevisionWithoutLeadingZeros) {
  EXPECT_EQ(VersionText(1, 0, 0), "Version 1.0.0");
  EXPECT_EQ(VersionText(2, 10, 3), "Version 2.10.3");
}

TEST(Splash, LoadSetsTheNameAndTheProgramsVersion) {
  frmSplash splash([] {});
  EXPECT_EQ(std::string(splash.lblVersion.get_text()), "Version 1.0.0");
  EXPECT_EQ(std::string(splash.lblName.get_text()), "Tarravelle™");
  EXPECT_EQ(std::string(splash.lblCompanyProduct.get_text()), "Halvermoor. inc.");
  EXPECT_EQ(std::string(splash.lblPlatform.get_text()), "WebBrowser");
  EXPECT_EQ(std::string(splash.lblCompany.get_text()), "Halvermoor inc.");
  EXPECT_EQ(std::string(splash.lblWarning.get_text())
                .find("Warning: Please read disclamer before using this web browser."),
            0u);
  EXPECT_EQ(std::string(splash.get_title()), "");
  EXPECT_FALSE(splash.get_resizable());
}

TEST(Splash, HandsOverOnceWhenItsTimeIsUp) {
  int handOvers = 0;
  frmSplash splash([&] { ++handOvers; }, 50);
  splash.present();
  EXPECT_TRUE(splash.TimerRunning());
  ASSERT_TRUE(test::PumpUntil([&] { return handOvers > 0; }, 5000));
  EXPECT_FALSE(splash.get_visible());
  EXPECT_FALSE(splash.TimerRunning());
  splash.Frame1_Click();
  test::PumpFor(100);
  EXPECT_EQ(handOvers, 1);
}

TEST(Splash, ClickOnTheFrameHandsOverAtOnceAndTheTimerNeverFollows) {
  int handOvers = 0;
  frmSplash splash([&] { ++handOvers; }, 200);
  splash.present();
  splash.Frame1_Click();
  EXPECT_EQ(handOvers, 1);
  EXPECT_FALSE(splash.get_visible());
  EXPECT_FALSE(splash.TimerRunning());
  test::PumpFor(400);
  EXPECT_EQ(handOvers, 1);
}

TEST(Splash, OnlyTheFramesOwnSurfaceTakesTheClick) {
  int handOvers = 0;
  frmSplash splash([&] { ++handOvers; }, 60000);
  splash.present();
  ASSERT_TRUE(test::PumpUntil([&] { return splash.lblName.get_width() > 0; }));
  // Over a label or the logo the frame's own surface is not what is picked.
  double x = 0, y = 0;
  splash.Frame1.get_child_position(splash.lblName, x, y);
  EXPECT_EQ(splash.Frame1.pick(x + 5, y + 5), &splash.lblName);
  splash.Frame1.get_child_position(splash.imgLogo, x, y);
  EXPECT_EQ(splash.Frame1.pick(x + 5, y + 5), &splash.imgLogo);
  EXPECT_EQ(splash.Frame1.pick(3, 3), &splash.Frame1);
  EXPECT_EQ(handOvers, 0);
}

}  // namespace
}  // namespace tarravelle
