#include "infowindows/frm_about.h"

namespace verbalo {

void frmAbout::Form_Load() {
    using Label = FrmAboutControls::Label;
    // Not kept within the screen: near its edge the window may reach past it.
    const FrmAboutControls::Position main = controls_.MainWindowPosition();
    controls_.MoveTo(main.left + kOffsetRight, main.top + kOffsetDown);
    controls_.SetCaption(AboutCaption(application_.title));
    controls_.SetLabelText(Label::lblTitle, application_.title);
    controls_.SetLabelText(Label::lblVersion, VersionText(application_.version));
    controls_.SetLabelText(Label::lblDescription, kAboutDescription);
    controls_.SetLabelText(Label::Lb_cr, kAboutNotice);
}

void frmAbout::cmdOK_Click() {
    controls_.Unload();
}

void frmAbout::cmdSysInfo_Click() {
    launcher_.LaunchSystemInfo();
}

void frmAbout::Label1_Click() {
    producerWindow_.ShowProducerWindowModally();
}

void frmAbout::EnterPressed(std::optional<Button> focused) {
    if (focused == Button::cmdSysInfo) {
        cmdSysInfo_Click();
    } else {
        cmdOK_Click();
    }
}

void frmAbout::EscPressed() {
    cmdOK_Click();
}

}  // namespace verbalo
