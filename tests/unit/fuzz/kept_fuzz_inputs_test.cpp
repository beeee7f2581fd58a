#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/checks/fuzz_checks.h"

namespace verbalo::fuzz {
namespace {

struct KeptInput {
    const char* target;  // its folder in fuzz/corpus/
    const char* name;    // its file there
    void (*check)(const std::uint8_t*, std::size_t);
};

// The seeds, and every input that ever made a fuzz target fail, replayed through the same check.
constexpr KeptInput kKeptInputs[] = {
    {"amount_text", "comma_style1", CheckAmountText},
    {"amount_text", "point_grouped_negative_style0", CheckAmountText},
    {"amount_text", "too_large_after_rounding_style2", CheckAmountText},
    {"amount_text", "blanks_and_carry_no_style", CheckAmountText},
    {"amount_text", "not_a_number", CheckAmountText},
    {"send_key", "tab", CheckSendKey},
    {"send_key", "shift_letter", CheckSendKey},
    {"send_key", "alt_last_character", CheckSendKey},
    {"send_key", "held_alt_digit", CheckSendKey},
    {"send_key", "modifier_too_large_non_ascii", CheckSendKey},
    {"registry_value", "string", CheckRegistryValue},
    {"registry_value", "dword_after_text", CheckRegistryValue},
    {"registry_value", "binary", CheckRegistryValue},
    {"registry_value", "no_data", CheckRegistryValue},
    {"command_line", "arguments", CheckCommandLine},
    {"command_line", "standard_input", CheckCommandLine},
    {"command_line", "easter", CheckCommandLine},
    {"command_line", "easter_before_1900", CheckCommandLine},
    {"command_line", "help", CheckCommandLine},
    {"command_line", "unknown_option", CheckCommandLine},
    {"command_line", "rows", CheckCommandLine},
    {"command_line", "rows_refusal_with_line_break", CheckCommandLine},
    {"command_line", "rows_utf16", CheckCommandLine},
    {"command_line", "rows_windows_1252", CheckCommandLine},
    {"command_line", "lines_with_mark", CheckCommandLine},
    {"form1_events", "type_and_enter", CheckForm1Events},
    {"form1_events", "paste_over_the_limit", CheckForm1Events},
    {"form1_events", "resize_minimize_clipboard", CheckForm1Events},
    // Failed: a Case menu index outside the menu (7; -256, found by the fuzzer) became the style,
    // leaving the output box in another style, and Enter then copied an empty output box.
    {"form1_events", "focus_and_case_menu", CheckForm1Events},
    {"form1_events", "case_index_outside_the_menu", CheckForm1Events},
};

class KeptFuzzInputs : public ::testing::TestWithParam<KeptInput> {};

TEST_P(KeptFuzzInputs, HoldEveryProperty) {
    const auto path =
        std::filesystem::path(VERBALO_FUZZ_CORPUS_DIR) / GetParam().target / GetParam().name;
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    GetParam().check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string TestName(const ::testing::TestParamInfo<KeptInput>& input) {
    return std::string(input.param.target) + "_" + input.param.name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, KeptFuzzInputs, ::testing::ValuesIn(kKeptInputs), TestName);

}  // namespace
}  // namespace verbalo::fuzz
