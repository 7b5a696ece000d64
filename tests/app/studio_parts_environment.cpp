// Every test of the program's windows finds the component kinds and the Find
// dialog installed, as the program installs them at start.
#include <gtest/gtest.h>

#include "app/shell/studio_parts.h"

namespace {

class StudioPartsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InstallStudioParts(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new StudioPartsEnvironment);

}  // namespace
