#include "infowindows/frm_about.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "info_window_doubles.h"
#include "infowindows/version_resource.h"

namespace verbalo {
namespace {

using info_test::FakeFrmAboutWindow;
using info_test::FakeLauncher;
using info_test::FakeProducerWindow;
using Label = FrmAboutControls::Label;

class FrmAboutTest : public ::testing::Test {
  protected:
    FakeFrmAboutWindow window;
    Global global;
    FakeLauncher launcher{global};
    FakeProducerWindow producerWindow;
    frmAbout about{window, launcher, producerWindow, {"Verbalo", {18, 3, 12}}};
};

TEST_F(FrmAboutTest, LoadPlacesTheWindowBelowRightOfTheMainWindowEvenPastTheScreenEdge) {
    about.Form_Load();
    EXPECT_EQ(window.position.left, 1220);
    EXPECT_EQ(window.position.top, 1300);

    window.mainWindow = {18900, 11800};  // near the lower right corner of a 19200 x 12000 screen
    about.Form_Load();
    EXPECT_EQ(window.position.left, 18920);
    EXPECT_EQ(window.position.top, 12200);
}

TEST_F(FrmAboutTest, LoadWritesCaptionTitleVersionAndDescription) {
    about.Form_Load();

    EXPECT_EQ(window.caption, " Informazioni su Verbalo");
    EXPECT_EQ(window.labels[Label::lblTitle], "Verbalo");
    EXPECT_EQ(window.labels[Label::lblVersion], "Versione 18.3.12");
    EXPECT_EQ(window.labels[Label::lblDescription],
              "Converte un numero nella corrispondente descrizione letterale\n\n"
              "Il suo utilizzo principale è per la compilazione di assegni\n\n"
              "La descrizione calcolata viene automaticamente memorizzata\n"
              "negli appunti di Windows per il suo utilizzo successivo");
}

TEST_F(FrmAboutTest, TheNoticeIsTwoPartsWithABlankBeforeItsOnlyLineFeed) {
    about.Form_Load();

    const std::string& notice = window.labels[Label::Lb_cr];
    EXPECT_EQ(std::ranges::count(notice, '\n'), 1);
    EXPECT_EQ(std::ranges::count(notice, '\r'), 0);
    EXPECT_NE(notice.find(" \n"), std::string::npos);
    EXPECT_FALSE(notice.ends_with('\n'));
}

TEST_F(FrmAboutTest, EachOpeningBuildsEverythingAgain) {
    about.Form_Load();
    window.labels.clear();
    window.caption = "Informazioni ";

    about.Form_Load();

    EXPECT_EQ(window.caption, " Informazioni su Verbalo");
    EXPECT_EQ(window.labels.size(), 4u);
}

struct VersionCase {
    VersionNumbers version;
    std::string_view shown;
};

class VersionLine : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionLine, ShowsMajorMinorRevisionInPlainDecimal) {
    EXPECT_EQ(VersionText(GetParam().version), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionLine,
                         ::testing::Values(VersionCase{{18, 3, 12}, "Versione 18.3.12"},
                                           VersionCase{{18, 3, 0}, "Versione 18.3.0"},
                                           VersionCase{{0, 0, 0}, "Versione 0.0.0"},
                                           VersionCase{{65535, 10, 7}, "Versione 65535.10.7"}));

TEST(VersionResource, GivesTheFirstSecondAndFourthNumbersOfAWholeBlockOnly) {
    struct {  // as windres writes it, little-endian
        std::uint16_t length = 92, valueLength = 52, type = 0;
        char16_t key[16] = u"VS_VERSION_INFO";
        std::uint16_t padding = 0;
        std::uint32_t fixed[13] = {0xFEEF04BD, 0x10000, 0x120003, 0xC};  // file version 18.3.0.12
    } block;
    const auto bytes = [&block] { return std::as_bytes(std::span(&block, 1)); };
    EXPECT_EQ(FileVersionFromResource(bytes()).transform(VersionText), "Versione 18.3.12");
    EXPECT_FALSE(FileVersionFromResource(bytes().first(91)));
    block.fixed[0] = 0xFEEF04BC;
    EXPECT_FALSE(FileVersionFromResource(bytes()));
    block.fixed[0] = 0xFEEF04BD, block.key[14] = u'P';
    EXPECT_FALSE(FileVersionFromResource(bytes()));
}

TEST_F(FrmAboutTest, OkUnloads) {
    about.cmdOK_Click();
    EXPECT_EQ(window.unloads, 1);
}

TEST_F(FrmAboutTest, SystemInfoCallsTheLauncherAndLeavesTheFlagAlone) {
    global.systemInfoNotFound = 1;
    launcher.startsTool = true;

    about.cmdSysInfo_Click();

    EXPECT_EQ(launcher.calls, 1);
    EXPECT_EQ(launcher.flagOnCall, std::vector<std::int16_t>{1});
    EXPECT_EQ(global.systemInfoNotFound, 1);
    EXPECT_EQ(window.unloads, 0);
}

TEST_F(FrmAboutTest, TheCreditLineShowsTheProducerWindowModally) {
    about.Label1_Click();

    EXPECT_EQ(producerWindow.modalShows, 1);
    EXPECT_EQ(launcher.calls, 0);
}

// Enter presses the button with the focus, else OK, the default button; Esc presses OK, also the
// cancel button, wherever the focus is.
struct KeyPress {
    const char* name;
    bool enter;  // else Esc
    std::optional<frmAbout::Button> focused;
    int unloads;
    int launches;
};

class FrmAboutKeys : public FrmAboutTest, public ::testing::WithParamInterface<KeyPress> {};

TEST_P(FrmAboutKeys, PressTheFocusedButtonOrOk) {
    const KeyPress& press = GetParam();
    if (press.enter) {
        about.EnterPressed(press.focused);
    } else {
        about.EscPressed();
    }
    EXPECT_EQ(window.unloads, press.unloads);
    EXPECT_EQ(launcher.calls, press.launches);
    EXPECT_EQ(producerWindow.modalShows, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EnterAndEsc, FrmAboutKeys,
    ::testing::Values(KeyPress{"EnterWithNoButtonFocused", true, std::nullopt, 1, 0},
                      KeyPress{"EnterOnOk", true, frmAbout::Button::cmdOK, 1, 0},
                      KeyPress{"EnterOnSystemInfo", true, frmAbout::Button::cmdSysInfo, 0, 1},
                      KeyPress{"Esc", false, std::nullopt, 1, 0}),
    [](const ::testing::TestParamInfo<KeyPress>& tested) { return tested.param.name; });

}  // namespace
}  // namespace verbalo
