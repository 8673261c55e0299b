#pragma once

namespace platform {

// Environment variable that fixes the answer of networkAvailable() for
// tests: "online" or "offline".
constexpr const char* kNetworkStateVariable = "PICTAVO_NETWORK_STATE";

// True when the machine seems to have a network connection.
bool networkAvailable();

} // namespace platform
