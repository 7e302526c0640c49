#pragma once

// How a test tells the run recorder where to report: the recorder inherits these variables from
// the test that starts it, directly or through the code under test.
namespace runrecorder {

// The file the recorder writes its own full path into.
inline constexpr const char *LogVariable = "PICTAVO_RUN_LOG";
// The named event it signals once the log is written.
inline constexpr const char *EventVariable = "PICTAVO_RUN_EVENT";

} // namespace runrecorder
