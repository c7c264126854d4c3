// A host with the default document whose suites are bound to the plug-in's
// suite pointers, for tests that call plug-in procedures directly.
#pragma once

#include <gtest/gtest.h>

#include "plugin/suites/SuitePointers.h"
#include "studio/host/Host.h"
#include "studio/suites/BasicSuite.h"

namespace focara_test {

class PluginFixture : public ::testing::Test {
protected:
    explicit PluginFixture(uint64_t seed = 42) : host(studio::Document::makeDefault(), seed)
    {
        if (AcquireSuites(studio::basicSuite())) ADD_FAILURE() << "could not bind the plug-in's suites";
        host.beginUndoContext();
    }
    ~PluginFixture() override { ReleaseSuites(studio::basicSuite()); }

    studio::Document& doc() { return host.document(); }
    // All art of every layer, bottom first.
    std::vector<studio::Art*> allArt()
    {
        std::vector<studio::Art*> out;
        for (const auto& layer : doc().layers())
            for (const auto& a : layer->art) out.push_back(a.get());
        return out;
    }

    studio::Host host;
};

}  // namespace focara_test
