#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "infowindows/about_texts.h"
#include "infowindows/frm_about_controls.h"
#include "infowindows/producer_window_access.h"
#include "infowindows/system_info_launcher.h"

namespace verbalo {

// The application as the About window describes it.
struct ApplicationIdentity {
    std::string title;  // "Verbalo"
    VersionNumbers version;
};

// The About window: title, version, description and terms of use; a button that starts the
// system-information tool, OK, and a credit line that opens the producer window.
class frmAbout {
  public:
    // The window is placed this far right of and below the main window's top-left corner.
    static constexpr platform::Twips kOffsetRight = 20;
    static constexpr platform::Twips kOffsetDown = 400;

    frmAbout(FrmAboutControls& controls, SystemInfoLauncher& launcher,
             ProducerWindowOpener& producerWindow, ApplicationIdentity application)
        : controls_(controls),
          launcher_(launcher),
          producerWindow_(producerWindow),
          application_(std::move(application)) {}

    void Form_Load();
    void cmdOK_Click();
    // Starts the tool; neither clears nor reads Global::systemInfoNotFound.
    void cmdSysInfo_Click();
    void Label1_Click();

    // The buttons, as the focus can be on them.
    enum class Button { cmdOK, cmdSysInfo };
    // Enter: it presses the button with the focus, else OK, the default button.
    void EnterPressed(std::optional<Button> focused);
    // Esc: OK is also the cancel button.
    void EscPressed();

  private:
    FrmAboutControls& controls_;
    SystemInfoLauncher& launcher_;
    ProducerWindowOpener& producerWindow_;
    ApplicationIdentity application_;
};

}  // namespace verbalo
