// Shared by the generator tests: a studio host with the default document, the
// plug-in's suite pointers bound to it, and a record with its defaults.
#ifndef FOCARA_TESTS_TEST_GENERATOR_FIXTURE_H
#define FOCARA_TESTS_TEST_GENERATOR_FIXTURE_H

#include <gtest/gtest.h>

#include <cmath>

#include "plugin/generator/Generator.h"
#include "plugin/params/ParamRecord.h"
#include "plugin/suites/SuitePointers.h"
#include "tests/support/PluginFixture.h"

constexpr AIErr kFaultCode = AI_FOURCC('T', 'E', 'S', 'T');

// Points equal to within float rounding of the worked values.
inline ::testing::AssertionResult PointsEqual(const char* actualText, const char* expectedText, AIRealPoint actual,
                                              AIRealPoint expected)
{
    auto close = [](float a, float e) { return std::fabs(a - e) <= 1e-5f * std::fmax(1.0f, std::fabs(e)); };
    if (close(actual.h, expected.h) && close(actual.v, expected.v)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actualText << " is (" << actual.h << ", " << actual.v << "), "
                                         << expectedText << " is (" << expected.h << ", " << expected.v << ")";
}

// The record holds its defaults (zoom centre at the view centre, (306, 396))
// and asks for a final run.
class GeneratorTest : public focara_test::PluginFixture {
protected:
    FocaraParams record = {};

    void SetUp() override
    {
        ASSERT_EQ(WriteParamDefaults(&record), kNoErr);
        record.finalRun = 1;
    }
};

#endif
