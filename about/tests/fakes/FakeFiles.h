#pragma once

#include "FileTest.h"
#include "ProcessStarter.h"

#include <map>
#include <string>
#include <vector>

// A few files that exist, and program starts that succeed only for them; records every start
// and every file test.
class FakeFiles : public platform::ProcessStarter, public platform::FileTest {
public:
    void addFile(const std::string &path, bool hidden = false) { files_[path] = hidden; }

    void start(const std::string &command, std::int32_t windowStyle) override;
    std::string ordinaryFileName(const std::string &path) override;

    const std::vector<std::string> &started() const { return started_; }
    const std::vector<std::int32_t> &windowStyles() const { return windowStyles_; }
    const std::vector<std::string> &tested() const { return tested_; }

private:
    std::map<std::string, bool> files_; // path -> hidden
    std::vector<std::string> started_;
    std::vector<std::int32_t> windowStyles_;
    std::vector<std::string> tested_;
};
