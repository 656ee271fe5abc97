// libFuzzer harness: any argument text (UTF-16 units from the input bytes) is parsed without
// a crash or undefined behaviour, and agrees with the plain reference reading.
#include "app/CommandLine.h"
#include "tests/support/CommandLineReference.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string arguments;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        arguments += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    const StartupRequest actual = ParseCommandLine(arguments);
    const StartupRequest expected = reference::ReferenceParse(arguments);
    if (actual.mode != expected.mode || actual.host != expected.host) std::abort();
    return 0;
}
