#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "infowindows/folder_list.h"
#include "infowindows/inf_talvo_controls.h"
#include "infowindows/system_info_launcher.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/message_pump.h"
#include "platform/program_folders.h"
#include "platform/shell.h"

namespace verbalo {

// The services the producer window uses.
struct InfTalvoServices {
    platform::FileSystem& fileSystem;
    platform::ProgramFolders& programFolders;
    platform::Shell& shell;
    platform::Dialogs& dialogs;
    platform::MessagePump& messagePump;
    SystemInfoLauncher& launcher;
    // The program's one flag: 1 after a launch of the tool failed. Cleared before each launch.
    std::int16_t& systemInfoNotFound;
};

// The producer window: who made the program and how to reach them, two link labels, a button
// that starts the system-information tool (searching the Program Files folders the system
// reports for it when the launcher cannot), and OK.
//
// The object lives as long as the program: unloading the window ends its controls, never this
// object, so a handler that is still on the stack when the window goes away (a search
// processing messages) keeps a valid object, finds the search stopped, and touches neither the
// controls nor the shell again.
class InfTalvo {
  public:
    // How many folder levels the search goes down at most, counting its start as the first: it
    // ends a loop that the file system does not report as a link. Far deeper than trees go (a
    // 300-level one is found), and shallow enough that the recursion, about 300 bytes of stack
    // a level in the 32-bit build, stays well inside the program's 2 MB stack.
    static constexpr int kMaxSearchDepth = 1024;

    // dirHiddenStartFolder: where the hidden directory list starts, the program's current
    // folder.
    InfTalvo(InfTalvoControls& controls, InfTalvoServices services,
             std::string dirHiddenStartFolder);
    InfTalvo(const InfTalvo&) = delete;
    InfTalvo& operator=(const InfTalvo&) = delete;

    void Form_Load();
    // The window is going away, by OK, by its close box or with the program: a search under
    // way stops at its next step and neither starts anything nor shows a message.
    void Form_Unload();

    // Pointer moves (button and shift state, position in twips relative to the control).
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Frame1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Lb_cr_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Lb_dati_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void lbMail_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void lbSito_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);

    // Any mouse button on a link label opens its link. Ignored while a search is under way.
    void lbMail_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void lbSito_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);

    // "? &Sistema". A press while a search is under way is ignored.
    void cmdInfoSys_Click();
    // One visit of the depth-first search: the current folder of dirHidden, then each of its
    // subfolders with all of theirs.
    void dirHidden_Change();
    // "&OK".
    void Command1_Click();

    // The buttons, as the focus can be on them.
    enum class Button { Command1, cmdInfoSys };
    // Enter: there is no default button, so it presses only the button with the focus.
    void EnterPressed(std::optional<Button> focused);
    // Esc: there is no cancel button, so it does nothing.
    void EscPressed() {}

    // The file or link last handed to the shell; the search's result.
    const std::string& launchTarget() const { return launchTarget_; }
    const FolderList& dirHidden() const { return dirHidden_; }
    bool SearchUnderWay() const { return searchRunning_ > 0 || searchDepth_ > 0; }

  private:
    using Label = InfTalvoControls::Label;

    void ResetLinkLabels();
    void ShowHoverLook(Label link, float x, float y);
    void StartLaunchTarget();
    // Runs the whole fallback search, one Program Files folder after the other (ToolSearchFolders)
    // until the tool is found; launchTarget holds what it found.
    void SearchForTool();

    InfTalvoControls& controls_;
    InfTalvoServices services_;
    std::string launchTarget_;
    FolderList dirHidden_;

    int searchRunning_ = 0;  // SearchForTool under way
    bool searchAbandoned_ = false;
    int searchDepth_ = 0;
    std::unordered_set<std::string> visitedFolders_;  // lower-case paths entered by this search
};

}  // namespace verbalo
