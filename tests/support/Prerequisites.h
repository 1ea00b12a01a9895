#pragma once
// Tests that need a tool or a service the machine may lack skip where it is missing, saying what to install.
// With ORVANE_REQUIRE_ALL=1 (scripts/test.sh sets it) a missing prerequisite fails the test instead, naming
// it, so a run on a machine without it cannot pass as green. A tool that is there but refuses our output is
// always a failure: that is a fault of ours or of our use of the tool, never a gap in the machine.

#include "support/SpeechFixture.h"

#include <QtGlobal>

#include <gtest/gtest.h>

namespace orv::test {

inline bool EveryPrerequisiteRequired() {
    return qEnvironmentVariableIntValue("ORVANE_REQUIRE_ALL") != 0;
}

} // namespace orv::test

// Ends the test: skipped, or failed where every prerequisite is required.
#define ORV_PREREQUISITE_MISSING(why)                                                                        \
    do {                                                                                                     \
        if (::orv::test::EveryPrerequisiteRequired())                                                        \
            GTEST_FAIL() << "missing prerequisite (ORVANE_REQUIRE_ALL is set): " << (why);                   \
        GTEST_SKIP() << (why);                                                                               \
    } while (false)

// Ends the test unless every tool run through `check` ran and succeeded.
#define ORV_ASSERT_TOOLS_RAN(check)                                                                          \
    do {                                                                                                     \
        const ::orv::test::ToolCheck& check_ = (check);                                                      \
        if (check_.outcome == ::orv::test::ToolOutcome::Missing)                                             \
            ORV_PREREQUISITE_MISSING(check_.why.toStdString());                                              \
        if (check_.outcome == ::orv::test::ToolOutcome::Failed)                                              \
            GTEST_FAIL() << check_.why.toStdString();                                                        \
    } while (false)
