#include "infowindows/inf_talvo.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "info_window_doubles.h"
#include "infowindows/info_texts.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_file_system.h"
#include "platform/fakes/fake_message_pump.h"
#include "platform/fakes/fake_shell.h"
#include "resources/maker_data.h"

namespace verbalo {
namespace {

using info_test::FakeInfTalvoWindow;
using info_test::FakeLauncher;
using Label = InfTalvoControls::Label;

class InfTalvoTest : public ::testing::Test, protected info_test::InfTalvoDoubles {
  protected:
    InfTalvo talvo{window, Services(), "C:\\Verbalo"};
};

TEST_F(InfTalvoTest, LoadCentresTheWindowThenWritesTheMakerTextsAndTheNoticeAtSevenPoints) {
    talvo.Form_Load();

    EXPECT_EQ(window.labels[Label::lbIndirizzo].text, " Vallefinta (VF)");
    EXPECT_EQ(window.labels[Label::Lb_dati].text,
              " Tel. :  000 111222           Fax:   000 111333\n  Cell.:  300 1112223  ");
    EXPECT_EQ(window.labels[Label::Lb_cr].fontPoints, 7.0f);
    EXPECT_EQ(window.labels[Label::Lb_cr].text, kProducerNotice);
    EXPECT_EQ(window.log, (std::vector<std::string>{"centred", "lbIndirizzo text", "Lb_dati text",
                                                    "Lb_cr font", "Lb_cr text"}));
}

// Where the pointer is over a link label, and whether that makes the label hot.
struct PointerCase {
    Label link;
    float x;
    float y;
    bool hot;
};

void PrintTo(const PointerCase& c, std::ostream* out) {
    *out << FakeInfTalvoWindow::Name(c.link) << " at (" << c.x << ", " << c.y << ")";
}

class HoverZone : public InfTalvoTest, public ::testing::WithParamInterface<PointerCase> {
  protected:
    void MoveOver(Label link, float x, float y) {
        if (link == Label::lbMail) {
            talvo.lbMail_MouseMove(0, 0, x, y);
        } else {
            talvo.lbSito_MouseMove(0, 0, x, y);
        }
    }
    static Label Other(Label link) { return link == Label::lbMail ? Label::lbSito : Label::lbMail; }
};

TEST_P(HoverZone, InsideTheZoneOnlyThisLabelTurnsHotElsewhereBothTurnPlain) {
    const auto [link, x, y, hot] = GetParam();
    window.MakeHot(Other(link));

    MoveOver(link, x, y);

    if (hot) {
        EXPECT_TRUE(window.IsHot(link));
        EXPECT_TRUE(window.IsHot(Other(link)));  // the other label keeps its look
        EXPECT_EQ(window.log,
                  (std::vector<std::string>{FakeInfTalvoWindow::Name(link) + " underline",
                                            FakeInfTalvoWindow::Name(link) + " bold"}));
    } else {
        EXPECT_TRUE(window.IsPlain(Label::lbMail));
        EXPECT_TRUE(window.IsPlain(Label::lbSito));
    }
}

INSTANTIATE_TEST_SUITE_P(
    MailAndSite, HoverZone,
    ::testing::Values(
        // lbMail, 1530 x 345: hot for 30 < X < 1480 and 30 < Y < 315.
        PointerCase{Label::lbMail, 30.0f, 100.0f, false},
        PointerCase{Label::lbMail, 31.0f, 31.0f, true},
        PointerCase{Label::lbMail, 30.5f, 100.0f, true},
        PointerCase{Label::lbMail, 100.0f, 30.0f, false},
        PointerCase{Label::lbMail, 1479.0f, 100.0f, true},
        PointerCase{Label::lbMail, 1479.9f, 314.9f, true},
        PointerCase{Label::lbMail, 1480.0f, 100.0f, false},  // within the rightmost 50 twips
        PointerCase{Label::lbMail, 1500.0f, 100.0f, false},
        PointerCase{Label::lbMail, 100.0f, 315.0f, false},
        PointerCase{Label::lbMail, 100.0f, 340.0f, false},
        PointerCase{Label::lbMail, -10.0f, 100.0f, false},
        // lbSito, 2280 x 345: hot for 30 < X < 2230 and 30 < Y < 315.
        PointerCase{Label::lbSito, 31.0f, 31.0f, true},
        PointerCase{Label::lbSito, 2229.0f, 314.0f, true},
        PointerCase{Label::lbSito, 2230.0f, 100.0f, false},
        PointerCase{Label::lbSito, 1500.0f, 100.0f, true},  // outside lbMail's zone, inside this
        PointerCase{Label::lbSito, 100.0f, 30.0f, false}));

TEST_F(InfTalvoTest, TheHotZoneFollowsTheLabelsCurrentSize) {
    window.labels[Label::lbMail].size = {1000, 200};

    talvo.lbMail_MouseMove(0, 0, 949.0f, 169.0f);
    EXPECT_TRUE(window.IsHot(Label::lbMail));

    talvo.lbMail_MouseMove(0, 0, 950.0f, 100.0f);
    EXPECT_TRUE(window.IsPlain(Label::lbMail));
}

TEST_F(InfTalvoTest, MovesOverTheBackgroundFrameNoticeOrNumbersResetBothLinksInOrder) {
    const std::vector<std::string> reset = {"lbMail no underline", "lbMail no bold",
                                            "lbSito no underline", "lbSito no bold"};
    using Handler = void (InfTalvo::*)(std::int16_t, std::int16_t, float, float);
    for (const Handler handler : {&InfTalvo::Form_MouseMove, &InfTalvo::Frame1_MouseMove,
                                  &InfTalvo::Lb_cr_MouseMove, &InfTalvo::Lb_dati_MouseMove}) {
        window.MakeHot(Label::lbMail);
        window.MakeHot(Label::lbSito);
        window.log.clear();

        (talvo.*handler)(1, 0, 500.0f, 100.0f);

        EXPECT_EQ(window.log, reset);
    }
}

struct Press {
    std::int16_t button;
    std::int16_t shift;
};

class LinkPress : public InfTalvoTest, public ::testing::WithParamInterface<Press> {};

TEST_P(LinkPress, AnyButtonOpensTheMailLinkOwnedByThisWindow) {
    talvo.lbMail_MouseDown(GetParam().button, GetParam().shift, 10.0f, 10.0f);

    const platform::FakeShell::Call expected{FakeInfTalvoWindow::kHandle, "mailto:tv@tlv.example",
                                             "c:\\", 1};
    EXPECT_EQ(shell.calls, std::vector{expected});
    EXPECT_EQ(talvo.launchTarget(), "mailto:tv@tlv.example");
}

TEST_P(LinkPress, AnyButtonOpensTheWebAddressUnchanged) {
    talvo.lbSito_MouseDown(GetParam().button, GetParam().shift, 10.0f, 10.0f);

    const platform::FakeShell::Call expected{FakeInfTalvoWindow::kHandle,
                                             std::string(maker::kWebAddress), "c:\\", 1};
    EXPECT_EQ(shell.calls, std::vector{expected});
}

INSTANTIATE_TEST_SUITE_P(LeftRightMiddleWithShifts, LinkPress,
                         ::testing::Values(Press{1, 0}, Press{2, 0}, Press{4, 0}, Press{1, 1},
                                           Press{2, 2}, Press{4, 4}));

TEST_F(InfTalvoTest, ALinkOpensWhatTheLabelShowsNowAndAFailingShellShowsNothing) {
    window.labels[Label::lbMail].text = "altro@tlv.example";
    shell.result = 2;

    talvo.lbMail_MouseDown(1, 0, 0.0f, 0.0f);

    EXPECT_EQ(shell.calls.at(0).file, "mailto:altro@tlv.example");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(talvo.launchTarget(), "mailto:altro@tlv.example");
}

TEST_F(InfTalvoTest, OkUnloadsTheWindow) {
    talvo.Command1_Click();
    EXPECT_EQ(window.unloads, 1);
}

// There is no default button and no cancel button: Enter presses only the button with the
// focus, Esc nothing.
struct KeyPress {
    const char* name;
    bool enter;  // else Esc
    std::optional<InfTalvo::Button> focused;
    int unloads;
    int launches;
};

class InfTalvoKeys : public InfTalvoTest, public ::testing::WithParamInterface<KeyPress> {};

TEST_P(InfTalvoKeys, PressOnlyTheFocusedButton) {
    launcher.startsTool = true;
    const KeyPress& press = GetParam();
    if (press.enter) {
        talvo.EnterPressed(press.focused);
    } else {
        talvo.EscPressed();
    }
    EXPECT_EQ(window.unloads, press.unloads);
    EXPECT_EQ(launcher.calls, press.launches);
    EXPECT_TRUE(shell.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EnterAndEsc, InfTalvoKeys,
    ::testing::Values(KeyPress{"EnterWithNoButtonFocused", true, std::nullopt, 0, 0},
                      KeyPress{"EnterOnOk", true, InfTalvo::Button::Command1, 1, 0},
                      KeyPress{"EnterOnSistema", true, InfTalvo::Button::cmdInfoSys, 0, 1},
                      KeyPress{"Esc", false, std::nullopt, 0, 0}),
    [](const ::testing::TestParamInfo<KeyPress>& tested) { return tested.param.name; });

}  // namespace
}  // namespace verbalo
