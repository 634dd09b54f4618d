// A small resource set for the window layer's tests, and the test
// application on the offscreen platform.
#pragma once

#include "platform/Application.h"
#include "resources/Resource.h"

namespace testres {

constexpr int IDC_NAME = 1001;
constexpr int IDC_LIST = 1002;
constexpr int IDC_COMBO = 1003;
constexpr int IDC_CHECK = 1004;
constexpr int IDC_NOTES = 1005;
constexpr int IDC_APPLY = 1006;
constexpr int IDC_DIGITS = 1007;
constexpr int IDC_PLAY = 1019;

constexpr int CMD_LOAD = 40002;
constexpr int CMD_SKIP = 40013;
constexpr int CMD_SPEED_HIGH = 40018;
constexpr int CMD_SPEED_NORMAL = 40019;
constexpr int CMD_GREYED = 40029;

const resources::ResourceSet& Resources();

// Creates the application once per test program.
platform::Application& App();

} // namespace testres
