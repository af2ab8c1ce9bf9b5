#include "host/application/CommandLine.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(CommandLine, MessagesAreFormattedAndKeptInOrderWhateverTheirLength)
{
    CommandLine line;
    line.printMessage("%s: %d entities\n", "Trimmed", 12);
    const std::string longText(5000, 'x');
    line.printMessage("%s", longText.c_str());
    line.printMessage(nullptr);
    EXPECT_EQ(line.text(), "Trimmed: 12 entities\n" + longText);
    line.clear();
    EXPECT_TRUE(line.text().empty());
}

} // namespace
} // namespace host
