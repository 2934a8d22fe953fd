// The main window as it is created: every control and menu item against its design.
#include <gdkmm/texture.h>
#include <giomm/menumodel.h>
#include <gtest/gtest.h>

#include <locale>
#include <map>
#include <set>

#include "support/main_loop.h"
#include "support/test_program.h"
#include "support/widget_geometry.h"
#include "ui/form1_design.h"
#include "ui/form_css.h"
#include "ui/menu_item.h"
#include "ui/twips.h"

namespace tarravelle {
namespace {

struct Expected {
  int left, top, width, height;
  const char* text;
  bool visible, enabled;
};

// A sample of the design written out by hand, so a slip in the design table shows.
const std::map<std::string, Expected> kSample = {
    {"cmdBack", {360, 120, 735, 615, "Back", true, false}},
    {"cmdForward", {1200, 120, 735, 615, "Forward", true, false}},
    {"cmdMail", {6240, 120, 735, 615, "Mail", true, true}},
    {"cmdPopups", {4560, 120, 735, 615, "Pop-ups Disabled", true, true}},
    {"Label1", {7080, 0, 4335, 375, "Sonavelle.™", true, true}},
    {"cmdforward2", {10440, 360, 375, 255, "", true, true}},
    {"lblTime", {7080, 600, 1095, 255, "Total Time:00:00", true, true}},
    {"lbl", {9240, 600, 1215, 255, "Current Frm: 00", true, true}},
    {"cmdGoogle", {13920, 120, 1095, 615, "Google Search", true, true}},
    {"lblTimer", {12840, 600, 975, 255, "Time", true, true}},
    {"lblDate", {11760, 600, 1095, 255, "Date", true, true}},
    {"cboURL", {1680, 840, 12615, 375, "", true, true}},
    {"cmdGo", {14400, 840, 615, 375, "", true, true}},
    {"wWeb", {360, 1320, 14655, 8655, "", true, true}},
    {"WB1", {360, 1800, 3975, 8175, "", false, true}},
    {"cmdCloseFavs", {360, 1320, 3975, 495, "Close IE Favorites", false, false}},
    {"lblStatus", {360, 9960, 14655, 255, "Done", true, true}},
    {"lblcaption2", {11520, 9960, 3495, 255, "Caption", true, true}},
};

std::string TextOf(Gtk::Widget& widget) {
  if (auto* button = dynamic_cast<PictureButton*>(&widget)) return button->Caption();
  if (auto* label = dynamic_cast<Gtk::Label*>(&widget)) return label->get_text();
  if (auto* counter = dynamic_cast<Gtk::Inscription*>(&widget)) return counter->get_text();
  if (auto* entry = dynamic_cast<Gtk::Entry*>(&widget)) return entry->get_text();
  return {};
}

TEST(Form1Design, EveryControlStandsAtItsDesignPlaceWithItsDesignState) {
  test::TestProgram test;
  Form1 form(test.program());
  EXPECT_EQ(Form1ControlDesigns().size(), 32u);
  for (const auto& design : Form1ControlDesigns()) {
    SCOPED_TRACE(std::string(design.name));
    Gtk::Widget* widget = form.Control(design.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(std::string(widget->get_name()), design.name);
    const auto [x, y] = test::PutPosition(form.FormArea(), *widget);
    int width = 0, height = 0;
    widget->get_size_request(width, height);
    EXPECT_EQ(x, TwipsToPixels(design.left));
    EXPECT_EQ(y, TwipsToPixels(design.top));
    EXPECT_EQ(width, TwipsToPixels(design.width));
    EXPECT_EQ(height, TwipsToPixels(design.height));
    EXPECT_EQ(widget->get_visible(), design.visible);
    EXPECT_EQ(widget->get_sensitive(), design.enabled);
    EXPECT_EQ(TextOf(*widget), design.caption);

    auto sample = kSample.find(std::string(design.name));
    if (sample == kSample.end()) continue;
    const Expected& expected = sample->second;
    EXPECT_EQ(design.left, expected.left);
    EXPECT_EQ(design.top, expected.top);
    EXPECT_EQ(design.width, expected.width);
    EXPECT_EQ(design.height, expected.height);
    EXPECT_EQ(TextOf(*widget), expected.text);
    EXPECT_EQ(widget->get_visible(), expected.visible);
    EXPECT_EQ(widget->get_sensitive(), expected.enabled);
  }
  EXPECT_EQ(std::string(form.get_title()), "Tarravelle™ - Web Browser");
  EXPECT_EQ(form.Control("nosuch"), nullptr);
}

TEST(Form1Design, ToolTipsPicturesAndTheDefaultButton) {
  test::TestProgram test;
  Form1 form(test.program());
  EXPECT_EQ(std::string(form.cmdPopups.get_tooltip_text()), "Enable/Diable Pop-Ups");
  EXPECT_EQ(std::string(form.cmdGo.get_tooltip_text()), "Go!");
  EXPECT_EQ(std::string(form.cmdBack.get_tooltip_text()), "Back");
  EXPECT_FALSE(form.cmdGoogle.get_has_tooltip());
  EXPECT_FALSE(form.cmdPlay.get_has_tooltip());
  EXPECT_FALSE(form.cmdPopups.HasPicture());
  EXPECT_FALSE(form.cmdCloseFavs.HasPicture());
  for (auto* button :
       {&form.cmdBack, &form.cmdGo, &form.cmdGoogle, &form.cmdPlay, &form.cmdeject}) {
    EXPECT_TRUE(button->HasPicture());
  }
  EXPECT_EQ(form.get_default_widget(), &form.cmdGo);
  EXPECT_TRUE(form.cboURL.get_entry()->get_activates_default());
  EXPECT_TRUE(form.ClockRunning());
}

TEST(Form1Design, PicturesHaveTheirDesignSizes) {
  for (const auto& design : Form1ControlDesigns()) {
    if (design.picture.name.empty()) continue;
    SCOPED_TRACE(std::string(design.name));
    auto texture =
        Gdk::Texture::create_from_resource(PicturePath(std::string(design.picture.name)));
    EXPECT_EQ(texture->get_width(), design.picture.width);
    EXPECT_EQ(texture->get_height(), design.picture.height);
  }
}

TEST(Form1Design, TabOrderRunsThroughTheDesignOrderSkippingLabelsAndDisabledControls) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  ASSERT_TRUE(test::PumpUntil([&] { return form.get_mapped(); }));
  form.cmdBack.set_sensitive(true);
  form.cmdBack.grab_focus();
  std::vector<std::string> visited;
  for (int i = 0; i < 7; ++i) {
    ASSERT_TRUE(form.MoveFocusInTabOrder(false));
    Gtk::Widget* focus = form.get_focus();
    while (focus && focus->get_name().empty()) focus = focus->get_parent();
    // The address bar's entry sits inside the combo box, which carries the name.
    while (focus && !form.Control(std::string(focus->get_name()))) focus = focus->get_parent();
    visited.push_back(focus ? std::string(focus->get_name()) : "?");
  }
  // cmdForward (9) is disabled; lblAddress (3), lblTimer (6), lblDate (7) are labels.
  EXPECT_EQ(visited, (std::vector<std::string>{"cmdGo", "cmdHome", "cboURL", "cmdRefresh",
                                               "cmdStop", "cmdPopups", "cmdPrint"}));
  ASSERT_TRUE(form.MoveFocusInTabOrder(true));
  EXPECT_TRUE(form.get_focus() == &form.cmdPopups);
}

TEST(Form1Design, ColoursAndFontsComeFromTheDesign) {
  const std::string css = DesignCss("form1-9", Form1ControlDesigns(), kBlack);
  EXPECT_NE(css.find(".form1-9 .form-area { background-color: #000000;"), std::string::npos);
  EXPECT_NE(css.find(".form1-9 #cmdBack { background-color: #00FF00;"), std::string::npos);
  EXPECT_NE(css.find(".form1-9 #cmdCloseFavs { background-color: #FF0000;"), std::string::npos);
  EXPECT_NE(css.find(".form1-9 #Label1 { background-color: #000000; background-image: none; "
                     "color: #80FF80;"),
            std::string::npos);
  EXPECT_NE(css.find("font-size: 14.25pt; font-style: italic;"), std::string::npos);
  EXPECT_NE(css.find(".form1-9 #cboURL entry {"), std::string::npos);
  EXPECT_EQ(css.find("#txtSearch { background"), std::string::npos);  // platform colours
  EXPECT_EQ(CssFontFamily(kTimesNewRoman), "\"Times New Roman\", \"Liberation Serif\", serif");
  EXPECT_EQ(CssColour(0x80FF80), "#80FF80");
}

// Numbers as a German locale writes them: "8,25".
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(Form1Design, CssNumbersIgnoreTheLocale) {
  const auto saved = std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  const std::string css = DesignCss("x", Form1ControlDesigns(), kBlack);
  std::locale::global(saved);
  EXPECT_NE(css.find("8.25pt"), std::string::npos);
  EXPECT_EQ(css.find("8,25"), std::string::npos);
}

// The captions of the menu model, depth first, with "-" where a new section starts.
void CollectMenu(const Glib::RefPtr<Gio::MenuModel>& menu, std::vector<std::string>& out) {
  for (int i = 0; i < menu->get_n_items(); ++i) {
    auto label =
        menu->get_item_attribute(i, Gio::MenuModel::Attribute::LABEL, Glib::VARIANT_TYPE_STRING);
    if (label) {
      out.push_back(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(label).get());
    }
    if (auto section = menu->get_item_link(i, Gio::MenuModel::Link::SECTION)) {
      if (i > 0) out.push_back("-");
      CollectMenu(section, out);
    }
    if (auto submenu = menu->get_item_link(i, Gio::MenuModel::Link::SUBMENU)) {
      CollectMenu(submenu, out);
    }
  }
}

TEST(Form1Design, MenuTreeHasEveryItemWithAccessKeysInOrder) {
  test::TestProgram test;
  Form1 form(test.program());
  std::vector<std::string> captions;
  CollectMenu(form.MenuModel(), captions);
  std::vector<std::string> expected;
  for (const auto& design : Form1MenuDesigns()) expected.push_back(MnemonicCaption(design.caption));
  // The design's trailing Favorites separator opens an empty section, as does none other.
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(captions.front(), "_File");
  EXPECT_NE(std::find(captions.begin(), captions.end(), "_Mail & News"), captions.end());
}

TEST(Form1Design, MenuItemsAreWindowActionsWithTheirDesignStates) {
  test::TestProgram test;
  Form1 form(test.program());
  std::set<std::string> names;
  for (const auto& design : Form1MenuDesigns()) {
    if (IsSeparator(design) || design.name == "mnuFile" || design.name == "mnuFileNew" ||
        design.name == "mnuEdit" || design.name == "mnuView" || design.name == "mnuViewGoTo" ||
        design.name == "mnuViewTextSize" || design.name == "mnuFavorites" ||
        design.name == "mnuTools" || design.name == "mnuHelp") {
      continue;
    }
    names.insert(std::string(design.name));
  }
  EXPECT_EQ(names.size(), 41u);
  for (const auto& name : names) {
    SCOPED_TRACE(name);
    EXPECT_NO_THROW(form.MenuNamed(name));
    // Save is never usable; Back and Forward wait for the page history.
    const bool enabledByDesign =
        name != "mnuFileSave" && name != "mnuViewGoToBack" && name != "mnuViewGoToForward";
    EXPECT_EQ(form.MenuNamed(name).Enabled(), enabledByDesign);
  }
  for (const auto* name :
       {"mnuTarravelle", "mnuGooglebar", "mnuStandardButtons", "mnuAddressBar"}) {
    EXPECT_TRUE(form.MenuNamed(name).Checked()) << name;
  }
  EXPECT_FALSE(form.Menu("mnuFileWorkOffline").Checked());
  EXPECT_TRUE(form.Menu("mnuViewTextSizeFont").IsArray());
  EXPECT_THROW(form.MenuNamed("mnuNoSuchItem"), std::out_of_range);
}

TEST(Form1Design, DisabledSaveIgnoresItsShortcutAndClicks) {
  test::TestProgram test;
  Form1 form(test.program());
  int clicks = 0;
  form.Menu("mnuFileSave").signal_click().connect([&](int) { ++clicks; });
  form.Menu("mnuFileSave").Click();
  form.activate_action("win.mnuFileSave");
  EXPECT_EQ(clicks, 0);
}

TEST(Form1Design, TextSizeItemsPassTheirIndex) {
  test::TestProgram test;
  Form1 form(test.program());
  std::vector<int> indices;
  form.Menu("mnuViewTextSizeFont").signal_click().connect([&](int index) {
    indices.push_back(index);
  });
  form.activate_action("win.mnuViewTextSizeFont", Glib::Variant<int>::create(3));
  form.Menu("mnuViewTextSizeFont").Click(0);
  EXPECT_EQ(indices, (std::vector<int>{3, 0}));
}

TEST(Form1Design, CheckMarksChangeOnlyWhenAHandlerChangesThem) {
  // A checked item with no handler: a click alone leaves its mark.
  auto group = Gio::SimpleActionGroup::create();
  MenuItem item(MenuDesign{.name = "mnuSwitch",
                           .level = 1,
                           .caption = "&Switch",
                           .checkable = true,
                           .checked = true},
                *group);
  item.Click();
  EXPECT_TRUE(item.Checked());
  item.SetChecked(false);
  EXPECT_FALSE(item.Checked());
}

TEST(MnemonicCaption, MarksAccessKeysAndKeepsOtherCharacters) {
  EXPECT_EQ(MnemonicCaption("&File"), "_File");
  EXPECT_EQ(MnemonicCaption("Sona&velle"), "Sona_velle");
  EXPECT_EQ(MnemonicCaption("&Mail & News"), "_Mail & News");
  EXPECT_EQ(MnemonicCaption("Fish && Chips"), "Fish & Chips");
  EXPECT_EQ(MnemonicCaption("snake_case"), "snake__case");
  EXPECT_EQ(MnemonicCaption("Select None"), "Select None");
  EXPECT_EQ(MnemonicCaption("trailing&"), "trailing&");
}

TEST(Twips, FifteenToThePixel) {
  EXPECT_EQ(TwipsToPixels(15240), 1016);
  EXPECT_EQ(TwipsToPixels(10425), 695);
  EXPECT_EQ(TwipsToPixels(0), 0);
  EXPECT_EQ(TwipsToPixels(7), 0);
  EXPECT_EQ(TwipsToPixels(8), 1);
  EXPECT_EQ(TwipsToPixels(-15), -1);
}

}  // namespace
}  // namespace tarravelle
