#include "infowindows/inf_talvo.h"

#include <utility>
#include <vector>

#include "infowindows/info_texts.h"
#include "infowindows/tool_search_folders.h"

namespace verbalo {
namespace {

constexpr float kNoticePoints = 7.0f;

// Counts one level of the search for as long as it lives.
class DepthScope {
  public:
    explicit DepthScope(int& depth) : depth_(depth) { ++depth_; }
    ~DepthScope() { --depth_; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;

  private:
    int& depth_;
};

}  // namespace

InfTalvo::InfTalvo(InfTalvoControls& controls, InfTalvoServices services,
                   std::string dirHiddenStartFolder)
    : controls_(controls),
      services_(services),
      dirHidden_(services.fileSystem, std::move(dirHiddenStartFolder)) {
    dirHidden_.SetChangeHandler([this] { dirHidden_Change(); });
}

void InfTalvo::Form_Load() {
    controls_.CentreOnScreen();
    controls_.SetLabelText(Label::lbIndirizzo, TownLine());
    controls_.SetLabelText(Label::Lb_dati, ContactNumbersText());
    controls_.SetLabelFontSize(Label::Lb_cr, kNoticePoints);
    controls_.SetLabelText(Label::Lb_cr, kProducerNotice);
}

void InfTalvo::Form_Unload() {
    if (SearchUnderWay()) {
        searchAbandoned_ = true;
    }
}

void InfTalvo::Form_MouseMove(std::int16_t, std::int16_t, float, float) {
    ResetLinkLabels();
}
void InfTalvo::Frame1_MouseMove(std::int16_t, std::int16_t, float, float) {
    ResetLinkLabels();
}
void InfTalvo::Lb_cr_MouseMove(std::int16_t, std::int16_t, float, float) {
    ResetLinkLabels();
}
void InfTalvo::Lb_dati_MouseMove(std::int16_t, std::int16_t, float, float) {
    ResetLinkLabels();
}

void InfTalvo::lbMail_MouseMove(std::int16_t, std::int16_t, float x, float y) {
    ShowHoverLook(Label::lbMail, x, y);
}

void InfTalvo::lbSito_MouseMove(std::int16_t, std::int16_t, float x, float y) {
    ShowHoverLook(Label::lbSito, x, y);
}

void InfTalvo::lbMail_MouseDown(std::int16_t, std::int16_t, float, float) {
    if (SearchUnderWay()) {
        return;
    }
    launchTarget_ = "mailto:" + controls_.LabelText(Label::lbMail);
    StartLaunchTarget();
}

void InfTalvo::lbSito_MouseDown(std::int16_t, std::int16_t, float, float) {
    if (SearchUnderWay()) {
        return;
    }
    launchTarget_ = controls_.LabelText(Label::lbSito);
    StartLaunchTarget();
}

void InfTalvo::cmdInfoSys_Click() {
    if (SearchUnderWay()) {
        return;
    }
    services_.systemInfoNotFound = 0;
    services_.launcher.LaunchSystemInfo();
    if (services_.systemInfoNotFound == 0) {
        return;
    }

    SearchForTool();
    if (searchAbandoned_) {
        return;  // the window has gone: nothing more to start or to say
    }
    if (!launchTarget_.empty()) {
        StartLaunchTarget();
    } else {
        services_.dialogs.ShowMessage(
            std::string(kSystemInfoFileName) + std::string(texts::kNotFoundSuffix),
            platform::Dialogs::Icon::None);
    }
}

void InfTalvo::SearchForTool() {
    const DepthScope running(searchRunning_);
    searchAbandoned_ = false;
    launchTarget_.clear();
    visitedFolders_.clear();
    for (const std::string& folder :
         ToolSearchFolders(services_.programFolders.ProgramFilesFolders())) {
        if (!launchTarget_.empty() || searchAbandoned_) {
            return;
        }
        if (visitedFolders_.contains(SameFolderKey(folder))) {
            continue;  // searched already, below an earlier one
        }
        if (dirHidden_.Path() == folder) {
            // The list may have been read long ago: read it again before visiting it.
            dirHidden_.Refresh();
            dirHidden_Change();
        } else {
            dirHidden_.SetPath(folder);  // the visit runs before this returns
        }
    }
}

void InfTalvo::dirHidden_Change() {
    if (!launchTarget_.empty()) {
        return;
    }
    const DepthScope level(searchDepth_);

    std::string folder = dirHidden_.Path();
    visitedFolders_.insert(SameFolderKey(folder));
    if (!folder.ends_with('\\')) {
        folder += '\\';
    }
    std::string candidate = folder + std::string(kSystemInfoFileName);
    if (services_.fileSystem.NormalFileExists(candidate)) {
        launchTarget_ = std::move(candidate);
        return;
    }
    if (searchDepth_ >= kMaxSearchDepth) {
        return;
    }

    // Entering a subfolder replaces what the list holds: take the paths first. Links are not
    // entered: they may lead back up the tree.
    std::vector<std::string> subfolders;
    for (const platform::FileSystem::Folder& subfolder : dirHidden_.Subfolders()) {
        if (!subfolder.isLink) {
            subfolders.push_back(subfolder.fullPath);
        }
    }
    for (const std::string& path : subfolders) {
        if (visitedFolders_.contains(SameFolderKey(path))) {
            continue;
        }
        dirHidden_.SetPath(path);  // a folder that cannot be listed is passed over
        if (searchAbandoned_) {
            return;
        }
        services_.messagePump.ProcessPendingMessages();
        if (searchAbandoned_) {
            return;  // the window was closed while its messages were processed
        }
    }
}

void InfTalvo::Command1_Click() {
    Form_Unload();
    controls_.Unload();
}

void InfTalvo::EnterPressed(std::optional<Button> focused) {
    if (focused == Button::Command1) {
        Command1_Click();
    } else if (focused == Button::cmdInfoSys) {
        cmdInfoSys_Click();
    }
}

void InfTalvo::ResetLinkLabels() {
    controls_.SetLabelUnderline(Label::lbMail, false);
    controls_.SetLabelBold(Label::lbMail, false);
    controls_.SetLabelUnderline(Label::lbSito, false);
    controls_.SetLabelBold(Label::lbSito, false);
}

void InfTalvo::ShowHoverLook(Label link, float x, float y) {
    const InfTalvoControls::Size size = controls_.LabelSize(link);
    const float right = static_cast<float>(size.width) - 50.0f;
    const float bottom = static_cast<float>(size.height) - 30.0f;
    if (x > 30.0f && x < right && y > 30.0f && y < bottom) {
        controls_.SetLabelUnderline(link, true);
        controls_.SetLabelBold(link, true);
    } else {
        ResetLinkLabels();
    }
}

void InfTalvo::StartLaunchTarget() {
    services_.shell.Execute(controls_.Handle(), launchTarget_, kShellWorkingDirectory,
                            platform::Shell::kShowNormal);
}

}  // namespace verbalo
