#pragma once

#include "toolkit/Resources.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/display/HeadlessDisplay.h"

#include <gtest/gtest.h>

namespace testsupport {

// Every test gets a fresh headless display and an empty resource module of its own.
class HeadlessFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        tk::WindowSystem::Get().SetDisplay(&display);
        tk::AfxSetResourceHandle(&module);
    }
    void TearDown() override
    {
        tk::WindowSystem::Get().SetDisplay(nullptr);
        tk::AfxSetResourceHandle(nullptr);
    }

    tk::HeadlessDisplay display;
    tk::ResourceModule module;
};

}  // namespace testsupport
