// Tests of code that needs no display: only the toolkit's base library.

#include <gtest/gtest.h>
#include <wx/init.h>

#include "common/Clock.h"
#include "common/Text_Codec.h"

namespace
{
    class Clock_Reset : public testing::EmptyTestEventListener
    {
        void OnTestStart(const testing::TestInfo&) override { Clock::Use_System(); }
    };
}

int main(int argc, char** argv)
{
    Use_UTF8_Character_Locale();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new Clock_Reset);
    wxInitializer toolkit;
    if (!toolkit.IsOk())
        return 2;
    return RUN_ALL_TESTS();
}
