#include "infowindows/window_placement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "infowindows/info_texts.h"
#include "resources/about_layout.h"
#include "resources/form1_layout.h"
#include "resources/producer_layout.h"

namespace verbalo {
namespace {

using platform::FrameInsets;
using platform::PixelsOf;
using platform::ScreenRect;

// A laptop's screen and a monitor beside it, each at its DPI: the main window on the second,
// the primary monitor the first.
struct Monitors {
    int mainDpi;
    int primaryDpi;
};

void PrintTo(const Monitors& monitors, std::ostream* out) {
    *out << monitors.mainDpi << "/" << monitors.primaryDpi;
}

constexpr ScreenRect kPrimary{0, 0, 1920, 1200};
constexpr ScreenRect kMainWindow{2100, 300, 2700, 450};  // on the monitor right of the primary

// A frame as Windows draws one: borders and a caption that do not grow in proportion.
FrameInsets FrameAt(int dpi) {
    return {dpi / 24, 8 + dpi / 6, dpi / 24, dpi / 24};
}

// The client area inside a window's rectangle, within a pixel of its twips at the DPI.
void ExpectClientArea(const ScreenRect& window, const FrameInsets& frame, platform::Twips width,
                      platform::Twips height, int dpi) {
    EXPECT_LE(std::abs(window.width() - frame.left - frame.right - PixelsOf(width, dpi)), 1);
    EXPECT_LE(std::abs(window.height() - frame.top - frame.bottom - PixelsOf(height, dpi)), 1);
}

class WindowGeometry : public ::testing::TestWithParam<Monitors> {};

TEST_P(WindowGeometry, TheAboutWindowStandsOffTheMainWindowOnItsMonitorAtItsDpi) {
    const int dpi = GetParam().mainDpi;
    const ScreenRect about = AboutWindowRect(kMainWindow, dpi, FrameAt(dpi));
    ExpectClientArea(about, FrameAt(dpi), about_layout::kClientWidth, about_layout::kClientHeight,
                     dpi);
    EXPECT_LE(std::abs(about.left - kMainWindow.left - PixelsOf(20, dpi)), 1);
    EXPECT_LE(std::abs(about.top - kMainWindow.top - PixelsOf(400, dpi)), 1);
}

TEST_P(WindowGeometry, TheProducerWindowIsCentredOnThePrimaryMonitorAtItsDpi) {
    const int dpi = GetParam().primaryDpi;
    const ScreenRect producer = ProducerWindowRect(kPrimary, dpi, FrameAt(dpi));
    ExpectClientArea(producer, FrameAt(dpi), producer_layout::kClientWidth,
                     producer_layout::kClientHeight, dpi);
    EXPECT_LE(std::abs((producer.left - kPrimary.left) - (kPrimary.right - producer.right)), 1);
    EXPECT_LE(std::abs((producer.top - kPrimary.top) - (kPrimary.bottom - producer.bottom)), 1);
}

// The main window made on the primary monitor, then moved to the other one: at each DPI its
// client area is the layout's twips, inside that DPI's frame.
TEST_P(WindowGeometry, TheMainWindowIsItsTwipsAtEachMonitorsDpi) {
    for (const int dpi : {GetParam().primaryDpi, GetParam().mainDpi}) {
        const ScreenRect main = platform::WindowForClient(
            kMainWindow.left, kMainWindow.top, form1_layout::kDesignClientWidth,
            form1_layout::kDesignClientHeight, dpi, FrameAt(dpi));
        ExpectClientArea(main, FrameAt(dpi), form1_layout::kDesignClientWidth,
                         form1_layout::kDesignClientHeight, dpi);
        EXPECT_EQ(main.left, kMainWindow.left);
    }
}

INSTANTIATE_TEST_SUITE_P(LaptopAndMonitor, WindowGeometry,
                         ::testing::Values(Monitors{96, 144}, Monitors{144, 96}, Monitors{120, 192},
                                           Monitors{96, 96}));

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

}  // namespace
}  // namespace verbalo
