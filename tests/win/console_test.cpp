// verbalo-cli on a real console: what it writes is what the screen shows, "è" included, and what
// is typed arrives as UTF-8, whatever the console's code page.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/console_streams_win32.h"
#include "platform/utf16.h"

namespace verbalo::cli {
namespace {

// A kernel handle, closed at the end.
class KernelHandle {
  public:
    explicit KernelHandle(HANDLE handle) : handle_(handle) {}
    ~KernelHandle() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

HANDLE OpenConsoleBuffer(const wchar_t* name) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inheritable, OPEN_EXISTING, 0, nullptr);
}

// A new console of the test's own, its screen and input opened; given up at the end.
class OwnConsole {
  public:
    OwnConsole() : allocated_((FreeConsole(), AllocConsole() != FALSE)) {}
    ~OwnConsole() { FreeConsole(); }
    OwnConsole(const OwnConsole&) = delete;
    OwnConsole& operator=(const OwnConsole&) = delete;

    bool allocated() const { return allocated_; }

  private:
    bool allocated_;
};

class Console : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(console_.allocated()) << GetLastError();
        ASSERT_NE(screen_.get(), INVALID_HANDLE_VALUE) << GetLastError();
        ASSERT_NE(input_.get(), INVALID_HANDLE_VALUE) << GetLastError();
        // Rows wider than the longest message, so that none wraps.
        ASSERT_TRUE(SetConsoleScreenBufferSize(screen_.get(), COORD{200, 100}));
    }

    // What row `row` of the screen shows, as UTF-8, without the blanks after it.
    std::string ScreenRow(SHORT row) const {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(screen_.get(), &info);
        std::u16string shown(static_cast<std::size_t>(info.dwSize.X), u' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen_.get(), reinterpret_cast<wchar_t*>(shown.data()),
                                    static_cast<DWORD>(shown.size()), COORD{0, row}, &read);
        shown.resize(read);
        shown.erase(shown.find_last_not_of(u' ') + 1);
        return platform::Utf16ToUtf8(shown);
    }

    SHORT CursorRow() const {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(screen_.get(), &info);
        return info.dwCursorPosition.Y;
    }

    // Types `text` on the console's keyboard.
    void Type(std::u16string_view text) const {
        if (text.empty()) {
            return;
        }
        std::vector<INPUT_RECORD> keys;
        for (const char16_t unit : text) {
            for (const BOOL down : {TRUE, FALSE}) {
                INPUT_RECORD key{};
                key.EventType = KEY_EVENT;
                key.Event.KeyEvent.bKeyDown = down;
                key.Event.KeyEvent.wRepeatCount = 1;
                key.Event.KeyEvent.wVirtualKeyCode = unit == u'\r' ? VK_RETURN : 0;
                key.Event.KeyEvent.uChar.UnicodeChar = static_cast<wchar_t>(unit);
                keys.push_back(key);
            }
        }
        DWORD written = 0;
        ASSERT_TRUE(WriteConsoleInputW(input_.get(), keys.data(), static_cast<DWORD>(keys.size()),
                                       &written));
        ASSERT_EQ(written, keys.size());
    }

    OwnConsole console_;
    KernelHandle screen_{OpenConsoleBuffer(L"CONOUT$")};
    KernelHandle input_{OpenConsoleBuffer(L"CONIN$")};
};

constexpr std::string_view kLines[] = {
    "Importo troppo grande: il massimo è 999.999.999.999,99",
    "€ 5 perché così è",
    "fuori dal piano di base: 𝄞",
};

TEST_F(Console, ShowsTheTextAsWritten) {
    {
        ConsoleSink out(screen_.get());
        for (const std::string_view line : kLines) {
            ASSERT_TRUE(out.Write(std::string(line) + '\n'));
        }
    }
    for (SHORT row = 0; const std::string_view line : kLines) {
        EXPECT_EQ(ScreenRow(row++), line);
    }
}

// Each byte handed over on its own: a sequence cut by a flush is shown whole once it is complete.
TEST_F(Console, ShowsCharactersCutAcrossWritesWhole) {
    {
        ConsoleSink out(screen_.get());
        for (const std::string_view line : kLines) {
            for (const char byte : std::string(line) + '\n') {
                ASSERT_TRUE(out.Write({&byte, 1}));
            }
        }
    }
    for (SHORT row = 0; const std::string_view line : kLines) {
        EXPECT_EQ(ScreenRow(row++), line);
    }
}

TEST_F(Console, TellsAConsoleFromAPipe) {
    EXPECT_TRUE(IsConsole(screen_.get()));
    EXPECT_TRUE(IsConsole(input_.get()));
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    const KernelHandle reading(readEnd);
    const KernelHandle writing(writeEnd);
    EXPECT_FALSE(IsConsole(reading.get()));
    EXPECT_FALSE(IsConsole(writing.get()));
    EXPECT_FALSE(IsConsole(nullptr));
    EXPECT_FALSE(IsConsole(INVALID_HANDLE_VALUE));
}

TEST_F(Console, HandsTypedLinesOverAsUtf8UntilCtrlZ) {
    Type(u"12è,5\r€ 𝄞\r\x1A\r");
    ConsoleSource in(input_.get());
    std::string typed;
    std::array<char, 3> piece;  // less than a line, and than some characters
    while (const std::size_t read = in.Read(piece).value_or(0)) {
        typed.append(piece.data(), read);
    }
    EXPECT_EQ(typed, "12è,5\r\n€ 𝄞\r\n");
}

// The program itself, its three standard streams on the console: arguments, typed lines and
// messages keep their "è".
TEST_F(Console, TheProgramShowsItsMessagesWhole) {
    struct Run {
        std::string_view arguments;
        std::u16string_view typed;
        std::string_view shown;  // one of the rows the run wrote
    };
    const Run runs[] = {
        {"--pasqua 10000", u"", "verbalo-cli: Anno oltre il 9999: la data non è rappresentabile"},
        {"99999999999999", u"",
         "verbalo-cli: \"99999999999999\": Importo troppo grande: il massimo è "
         "999.999.999.999,99"},
        {"12è", u"", "verbalo-cli: \"12è\": Importo non valido"},
        {"--separator , 1234,5", u"", "Milleduecentotrentaquattro / 50"},
        {"--separator ,", u"1234,5\r12è\r\x1A\r",
         "verbalo-cli: riga 2: \"12è\": Importo non valido"},
    };
    std::string program = "Z:" VERBALO_CLI_UNIX_PATH;
    for (char& c : program) {
        c = c == '/' ? '\\' : c;
    }
    for (const Run& run : runs) {
        const SHORT firstRow = CursorRow();
        Type(run.typed);
        std::u16string commandLine =
            platform::Utf8ToUtf16("\"" + program + "\" " + std::string(run.arguments));
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input_.get();
        startup.hStdOutput = screen_.get();
        startup.hStdError = screen_.get();
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(commandLine.data()), nullptr,
                                   nullptr, TRUE, 0, nullptr, nullptr, &startup, &started))
            << GetLastError();
        const KernelHandle process(started.hProcess);
        const KernelHandle thread(started.hThread);
        if (WaitForSingleObject(process.get(), 120000) != WAIT_OBJECT_0) {
            TerminateProcess(process.get(), 1);
            ADD_FAILURE() << run.arguments << ": still running after 120 s";
        }
        std::vector<std::string> rows;
        for (SHORT row = firstRow; row < CursorRow(); ++row) {
            rows.push_back(ScreenRow(row));
        }
        EXPECT_THAT(rows, testing::Contains(run.shown)) << run.arguments;
    }
}

}  // namespace
}  // namespace verbalo::cli
