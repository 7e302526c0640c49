#include "RealSystemLauncher.h"

RealSystemLauncher::RealSystemLauncher(std::vector<std::string> scratchKeys) : scratchKeys_(std::move(scratchKeys)) {}

void RealSystemLauncher::SetUp()
{
    if (!ScratchRegistry::allowed())
        GTEST_SKIP() << "changes HKEY_LOCAL_MACHINE; run with PICTAVO_SCRATCH_REGISTRY=1 in a throwaway Wine prefix";
    scratch_.emplace(scratchKeys_);
}
