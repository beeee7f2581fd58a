#pragma once

#include <cstddef>
#include <cstdint>

// The properties that the fuzz targets hold, each over one input of any bytes. A property that
// does not hold stops the program (see require.h): the fuzzer keeps the input, and the unit test
// that replays it fails.
namespace verbalo::fuzz {

// An amount text, the first byte choosing the separator and the letter-case style: read,
// worded, echoed and styled.
void CheckAmountText(const std::uint8_t* data, std::size_t size);

// A key text in SendKey's notation, the first two bytes being the modifier asked for.
void CheckSendKey(const std::uint8_t* data, std::size_t size);

// A registry value of any type and bytes, rendered by the registry reader.
void CheckRegistryValue(const std::uint8_t* data, std::size_t size);

// The command-line program: arguments and standard-input lines of any bytes.
void CheckCommandLine(const std::uint8_t* data, std::size_t size);

// The main window driven by the events the input encodes.
void CheckForm1Events(const std::uint8_t* data, std::size_t size);

}  // namespace verbalo::fuzz
