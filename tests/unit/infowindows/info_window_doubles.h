#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "infowindows/inf_talvo.h"
#include "infowindows/inf_talvo_controls.h"
#include "infowindows/system_info_launcher.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_file_system.h"
#include "platform/fakes/fake_message_pump.h"
#include "platform/fakes/fake_program_folders.h"
#include "platform/fakes/fake_shell.h"
#include "platform/utf16.h"
#include "resources/maker_data.h"
#include "resources/producer_layout.h"

namespace verbalo::info_test {

// A launcher that starts the tool or fails, as told, and remembers the flag it was called with.
class FakeLauncher : public SystemInfoLauncher {
  public:
    explicit FakeLauncher(std::int16_t& systemInfoNotFound) : flag_(systemInfoNotFound) {}

    void LaunchSystemInfo() noexcept override {
        ++calls;
        flagOnCall.push_back(flag_);
        if (!startsTool) {
            flag_ = 1;
        }
    }

    bool startsTool = false;
    int calls = 0;
    std::vector<std::int16_t> flagOnCall;

  private:
    std::int16_t& flag_;
};

// The producer window as the launcher reaches it, the owner of what it starts.
class FakeProducerWindow {
  public:
    static constexpr platform::WindowHandle kHandle = 0x7A1;

    platform::WindowHandle HandleLoadingIfNeeded() {
        ++handleRequests;
        if (failsToLoad) {
            throw std::runtime_error("the window could not be created");
        }
        return kHandle;
    }
    // What the launcher is given.
    RegistrySystemInfoLauncher::OwnerWindow Owner() {
        return [this] { return HandleLoadingIfNeeded(); };
    }

    int handleRequests = 0;
    bool failsToLoad = false;
};

// The producer window's controls, sized as the layout has them, with every look change logged.
// Texts are stored as a control stores them.
class FakeInfTalvoWindow : public InfTalvoControls {
  public:
    static constexpr platform::WindowHandle kHandle = 0x5150;

    struct LabelState {
        std::string text;
        Size size;
        float fontPoints = 8.25f;
        bool underline = false;
        bool bold = false;
    };

    FakeInfTalvoWindow() {
        namespace layout = producer_layout;
        labels[Label::lbIndirizzo] = {"lbIndirizzo", SizeOf(layout::kLbIndirizzo)};
        labels[Label::Lb_dati] = {"Lb_dati", SizeOf(layout::kLbDati)};
        labels[Label::Lb_cr] = {"Lb_cr", SizeOf(layout::kLbCr)};
        labels[Label::lbMail] = {std::string(maker::kEmail), SizeOf(layout::kLbMail)};
        labels[Label::lbSito] = {std::string(maker::kWebAddress), SizeOf(layout::kLbSito)};
    }

    static std::string Name(Label label) {
        switch (label) {
            case Label::lbIndirizzo:
                return "lbIndirizzo";
            case Label::Lb_dati:
                return "Lb_dati";
            case Label::Lb_cr:
                return "Lb_cr";
            case Label::lbMail:
                return "lbMail";
            case Label::lbSito:
                return "lbSito";
        }
        return "?";
    }

    platform::WindowHandle Handle() const override { return kHandle; }
    std::string LabelText(Label label) const override { return labels.at(label).text; }
    void SetLabelText(Label label, std::string_view text) override {
        labels[label].text = platform::AsStoredByControl(text);
        log.push_back(Name(label) + " text");
    }
    Size LabelSize(Label label) const override { return labels.at(label).size; }
    void SetLabelFontSize(Label label, float points) override {
        labels[label].fontPoints = points;
        log.push_back(Name(label) + " font");
    }
    void SetLabelUnderline(Label label, bool underline) override {
        labels[label].underline = underline;
        log.push_back(Name(label) + (underline ? " underline" : " no underline"));
    }
    void SetLabelBold(Label label, bool bold) override {
        labels[label].bold = bold;
        log.push_back(Name(label) + (bold ? " bold" : " no bold"));
    }
    void CentreOnScreen() override { log.push_back("centred"); }
    void Unload() override { ++unloads; }

    // Hot: bold and underlined; plain: neither.
    bool IsHot(Label label) const { return labels.at(label).underline && labels.at(label).bold; }
    bool IsPlain(Label label) const {
        return !labels.at(label).underline && !labels.at(label).bold;
    }
    void MakeHot(Label label) {
        labels[label].underline = true;
        labels[label].bold = true;
    }

    static constexpr Size SizeOf(const window_layout::ControlRect& rect) {
        return {rect.width, rect.height};
    }

    std::map<Label, LabelState> labels;
    std::vector<std::string> log;
    int unloads = 0;
};

// The producer window's controls and services, all doubles, for a test fixture to hold.
struct InfTalvoDoubles {
    InfTalvoServices Services() {
        return {files, roots, shell, dialogs, pump, launcher, systemInfoNotFound};
    }

    FakeInfTalvoWindow window;
    platform::FakeFileSystem files;
    platform::FakeProgramFolders roots;  // the Program Files folders the system reports
    platform::FakeShell shell;
    platform::FakeDialogs dialogs;
    platform::FakeMessagePump pump;
    std::int16_t systemInfoNotFound = 0;
    FakeLauncher launcher{systemInfoNotFound};
};

}  // namespace verbalo::info_test
