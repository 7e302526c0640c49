#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A numbered run-time failure of a platform service (a program that cannot be started, an
// argument a service cannot work with). Callers that promise to report every failure catch it in
// one place; ordinary "not found" answers are values, not this.
class RuntimeError : public std::runtime_error {
public:
    // The numbers callers may compare against.
    static constexpr int InvalidArgument = 5;
    static constexpr int FileNotFound = 53;

    RuntimeError(int number, const std::string &what) : std::runtime_error(what), number_(number) {}

    int number() const { return number_; }

private:
    int number_;
};

} // namespace platform
