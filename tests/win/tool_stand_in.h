#pragma once

// The stand-in for the system-information tool (tool_stand_in.cpp), built beside the test
// programs, and the log in which each start of it leaves the path it was started from.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/long_path.h"

namespace verbalo::platform::win32::test {

class ToolStandIn {
  public:
    // A fresh log in the temporary folder, named to the tools started from now on.
    ToolStandIn() {
        std::wstring temp(MAX_PATH + 1, L'\0');
        temp.resize(GetTempPathW(static_cast<DWORD>(temp.size()), temp.data()));
        log_ = temp + L"verbalo-tool-" + std::to_wstring(GetCurrentProcessId()) + L".log";
        DeleteFileW(log_.c_str());
        SetEnvironmentVariableW(kLogVariable, log_.c_str());
    }
    ~ToolStandIn() {
        SetEnvironmentVariableW(kLogVariable, nullptr);
        DeleteFileW(log_.c_str());
    }
    ToolStandIn(const ToolStandIn&) = delete;
    ToolStandIn& operator=(const ToolStandIn&) = delete;

    // Copies the stand-in to file (a path of any length).
    static bool PlaceAt(const std::wstring& file) {
        std::wstring self(32768, L'\0');
        self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
        const std::wstring standIn =
            self.substr(0, self.rfind(L'\\') + 1) + L"verbalo-tool-stand-in.exe";
        return CopyFileW(standIn.c_str(), ExtendedLengthPath(file).c_str(), TRUE) != FALSE;
    }

    // The paths the tool was started from, in order, once there are at least `expected` of them
    // or after a minute (a guard: the starts come in moments).
    std::vector<std::string> Starts(std::size_t expected = 0) const {
        const ULONGLONG deadline = GetTickCount64() + 60000;
        std::vector<std::string> starts = Read();
        while (starts.size() < expected && GetTickCount64() < deadline) {
            Sleep(20);
            starts = Read();
        }
        return starts;
    }

  private:
    static constexpr const wchar_t* kLogVariable = L"VERBALO_TOOL_LOG";

    std::vector<std::string> Read() const {
        std::string text;
        const HANDLE file = CreateFileW(log_.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char buffer[4096];
            DWORD read = 0;
            while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
                text.append(buffer, read);
            }
            CloseHandle(file);
        }
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    std::wstring log_;
};

}  // namespace verbalo::platform::win32::test
