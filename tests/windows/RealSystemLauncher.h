#pragma once

#include "RecordingMessages.h"
#include "ScratchRegistry.h"
#include "SysInfoLauncher.h"
#include "WindowsFileTest.h"
#include "WindowsProcessStarter.h"
#include "WindowsRegistry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The System Information launcher on the real registry, process start and file test; only the
// message box is recorded. The registry keys named by the test are its own while it runs (see
// ScratchRegistry); where the registry may not be thrown away, the tests are skipped.
class RealSystemLauncher : public testing::Test {
protected:
    explicit RealSystemLauncher(std::vector<std::string> scratchKeys);
    void SetUp() override;

    ScratchRegistry &registry() { return *scratch_; }

    platform::WindowsRegistry registry_;
    platform::WindowsProcessStarter processes_;
    platform::WindowsFileTest files_;
    RecordingMessages messages_;
    SysInfoLauncher launcher_{registry_, processes_, files_, messages_};

private:
    std::vector<std::string> scratchKeys_;
    std::optional<ScratchRegistry> scratch_;
};
