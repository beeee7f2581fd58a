// The About window's controls as frmAbout's handlers use them: the load writes the caption and
// four labels and places the window by the main window's corner; OK unloads it.
#include "tests/contract/frm_about_controls_contract.h"

#include <cstdlib>

#include "tests/contract/stored_texts.h"

namespace verbalo::contract {
namespace {

using Label = FrmAboutControls::Label;
using Position = FrmAboutControls::Position;

constexpr Label kLabels[] = {Label::lblTitle, Label::lblVersion, Label::lblDescription,
                             Label::Lb_cr};

TEST_P(FrmAboutControlsContract, CaptionAndLabelsGiveBackTheirTextsAsAControlStoresThem) {
    FrmAboutControls& about = controls();
    for (const StoredText& text : kStoredTexts) {
        SCOPED_TRACE(text.what);
        about.SetCaption(text.set);
        EXPECT_EQ(harness().Caption(), text.readBack);
        for (const Label label : kLabels) {
            about.SetLabelText(label, text.set);
            EXPECT_EQ(harness().LabelText(label), text.readBack) << static_cast<int>(label);
        }
    }
}

TEST_P(FrmAboutControlsContract, MainWindowPositionIsTheMainWindowsTopLeftCorner) {
    FrmAboutControls& about = controls();
    for (const Position corner : {Position{0, 0}, Position{1500, 3000}, Position{-450, 150}}) {
        harness().PlaceMainWindow(corner);
        const Position read = about.MainWindowPosition();
        EXPECT_LE(std::abs(read.left - corner.left), harness().Pixel()) << corner.left;
        EXPECT_LE(std::abs(read.top - corner.top), harness().Pixel()) << corner.top;
    }
}

TEST_P(FrmAboutControlsContract, MoveToPlacesTheCornerEvenPastTheScreensEdgeAndKeepsTheSize) {
    FrmAboutControls& about = controls();
    const FrmAboutHarness::Size size = harness().WindowSize();
    for (const Position corner :
         {Position{300, 6000}, Position{-600, -150}, Position{30000, 20000}}) {
        about.MoveTo(corner.left, corner.top);
        const Position placed = harness().WindowPosition();
        EXPECT_LE(std::abs(placed.left - corner.left), harness().Pixel()) << corner.left;
        EXPECT_LE(std::abs(placed.top - corner.top), harness().Pixel()) << corner.top;
        EXPECT_EQ(harness().WindowSize().width, size.width);
        EXPECT_EQ(harness().WindowSize().height, size.height);
    }
}

TEST_P(FrmAboutControlsContract, UnloadMakesTheWindowGo) {
    controls().Unload();
    EXPECT_FALSE(harness().IsLoaded());
}

}  // namespace
}  // namespace verbalo::contract
