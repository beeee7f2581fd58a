// The producer window's controls as InfTalvo's handlers use them: the load writes three labels;
// the pointer makes the link labels hot within their size, and a press opens what a link label
// shows.
#include "tests/contract/inf_talvo_controls_contract.h"

#include <cstdlib>
#include <string>

#include "resources/maker_data.h"
#include "resources/producer_layout.h"
#include "tests/contract/stored_texts.h"

namespace verbalo::contract {
namespace {

using Label = InfTalvoControls::Label;
using Look = InfTalvoHarness::Look;
using Size = InfTalvoControls::Size;
namespace layout = producer_layout;

struct LabelLayout {
    Label label;
    window_layout::ControlRect rect;
};

constexpr LabelLayout kLabels[] = {
    {Label::lbIndirizzo, layout::kLbIndirizzo},
    {Label::Lb_dati, layout::kLbDati},
    {Label::Lb_cr, layout::kLbCr},
    {Label::lbMail, layout::kLbMail},
    {Label::lbSito, layout::kLbSito},
};

TEST_P(InfTalvoControlsContract, LabelsGiveBackTheirTextsAsAControlStoresThem) {
    InfTalvoControls& window = controls();
    for (const StoredText& text : kStoredTexts) {
        SCOPED_TRACE(text.what);
        for (const LabelLayout& each : kLabels) {
            window.SetLabelText(each.label, text.set);
            EXPECT_EQ(window.LabelText(each.label), text.readBack) << static_cast<int>(each.label);
        }
    }
}

TEST_P(InfTalvoControlsContract, TheLinkLabelsShowTheMakersAddressesWhenLoaded) {
    controls().Unload();
    EXPECT_EQ(controls().LabelText(Label::lbMail), maker::kEmail);
    EXPECT_EQ(controls().LabelText(Label::lbSito), maker::kWebAddress);
}

TEST_P(InfTalvoControlsContract, LabelsKeepTheLayoutsSizeWhateverTheirTextAndLook) {
    InfTalvoControls& window = controls();
    auto expectLayoutSize = [&](const LabelLayout& each) {
        const Size size = window.LabelSize(each.label);
        EXPECT_LE(std::abs(size.width - each.rect.width), harness().Pixel());
        EXPECT_LE(std::abs(size.height - each.rect.height), harness().Pixel());
    };
    for (const LabelLayout& each : kLabels) {
        SCOPED_TRACE(static_cast<int>(each.label));
        expectLayoutSize(each);
        window.SetLabelFontSize(each.label, 24.0f);
        window.SetLabelBold(each.label, true);
        window.SetLabelUnderline(each.label, true);
        window.SetLabelText(each.label, std::string(200, 'W'));
        expectLayoutSize(each);
        window.SetLabelText(each.label, "");
        expectLayoutSize(each);
    }
}

// Each change of a label's look changes that one attribute and keeps the others.
TEST_P(InfTalvoControlsContract, SizeBoldAndUnderlineChangeIndependently) {
    enum class Attribute { Points, Bold, Underline };
    struct Change {
        Attribute attribute;
        float value;  // points, or 1 and 0 for on and off
        Look after;
    };
    // Bold and underline each turned on and off with the other one on and off, sizes between.
    constexpr Change kChanges[] = {
        {Attribute::Bold, 1, {10.0, true, false}},
        {Attribute::Underline, 1, {10.0, true, true}},
        {Attribute::Points, 7, {7.0, true, true}},
        {Attribute::Bold, 0, {7.0, false, true}},
        {Attribute::Underline, 0, {7.0, false, false}},
        {Attribute::Underline, 1, {7.0, false, true}},
        {Attribute::Bold, 1, {7.0, true, true}},
        {Attribute::Underline, 0, {7.0, true, false}},
        {Attribute::Points, 12, {12.0, true, false}},
        {Attribute::Bold, 0, {12.0, false, false}},
    };
    InfTalvoControls& window = controls();
    const double pointsPerPixel = harness().Pixel() / 20.0;
    for (const LabelLayout& each : kLabels) {
        window.SetLabelUnderline(each.label, false);
        window.SetLabelBold(each.label, false);
        window.SetLabelFontSize(each.label, 10.0f);
        int step = 0;
        for (const Change& change : kChanges) {
            SCOPED_TRACE("label " + std::to_string(static_cast<int>(each.label)) + ", change " +
                         std::to_string(++step));
            switch (change.attribute) {
                case Attribute::Points:
                    window.SetLabelFontSize(each.label, change.value);
                    break;
                case Attribute::Bold:
                    window.SetLabelBold(each.label, change.value != 0);
                    break;
                case Attribute::Underline:
                    window.SetLabelUnderline(each.label, change.value != 0);
                    break;
            }
            const Look look = harness().LabelLook(each.label);
            EXPECT_NEAR(look.points, change.after.points, pointsPerPixel);
            EXPECT_EQ(look.bold, change.after.bold);
            EXPECT_EQ(look.underline, change.after.underline);
        }
    }
}

TEST_P(InfTalvoControlsContract, TheHandleIsOneNonZeroValueWhileLoaded) {
    InfTalvoControls& window = controls();
    const platform::WindowHandle handle = window.Handle();
    EXPECT_NE(handle, 0u);
    window.SetLabelText(Label::lbMail, "altro@talvo.example");
    window.SetLabelBold(Label::lbMail, true);
    EXPECT_EQ(window.Handle(), handle);
}

TEST_P(InfTalvoControlsContract, UnloadMakesTheWindowGo) {
    InfTalvoControls& window = controls();
    window.Unload();
    EXPECT_FALSE(harness().IsLoaded());
}

}  // namespace
}  // namespace verbalo::contract
