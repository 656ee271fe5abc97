#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/CommandLine.h"
#include "tests/support/CommandLineReference.h"

namespace {

using reference::Narrow;
using reference::ReferenceParse;

// Mostly the characters that steer the parser, now and then any UTF-16 unit at all.
char16_t RandomUnit(std::mt19937& random)
{
    static const std::u16string steering = u"/sSpPcC: \t\n\v\f\r0123456789+-\"x\u00A0\u3000";
    std::uniform_int_distribution<int> pick(0, 9);
    if (pick(random) == 0) return static_cast<char16_t>(std::uniform_int_distribution<int>(1, 0xFFFF)(random));
    std::uniform_int_distribution<std::size_t> index(0, steering.size() - 1);
    return steering[index(random)];
}

std::u16string RandomArguments(std::mt19937& random)
{
    std::u16string text;
    const int prefix = std::uniform_int_distribution<int>(0, 3)(random);
    if (prefix == 1)
        text = u"/";
    else if (prefix == 2)
        text = u"/p";
    else if (prefix == 3)
        text = u"/c:";
    const int length = std::uniform_int_distribution<int>(0, 24)(random);
    for (int i = 0; i < length; ++i) text += RandomUnit(random);
    return text;
}

TEST(CommandLineFuzz, RandomTextAgreesWithThePlainReading)
{
    std::mt19937 random(20261207);
    int modes[4] = {};
    int nonZeroHosts = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::u16string arguments = RandomArguments(random);
        const StartupRequest expected = ReferenceParse(arguments);
        const StartupRequest actual = ParseCommandLine(arguments);
        ASSERT_EQ(actual.mode, expected.mode) << "case " << i << ": " << Narrow(arguments);
        ASSERT_EQ(actual.host, expected.host) << "case " << i << ": " << Narrow(arguments);
        ++modes[static_cast<int>(actual.mode)];
        nonZeroHosts += actual.host != 0;
    }
    // The input mix must actually reach every mode and many numbers, or the run proves little.
    for (int count : modes) EXPECT_GT(count, 1000);
    EXPECT_GT(nonZeroHosts, 10000);
}

}  // namespace
