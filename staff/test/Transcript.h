// One transcript line for each call made to the headless window system or the MIDI
// device: "invalidate", "default down 300 90", "midi 00503c90", "msgbox TEXT", ...
// canzet-replay prints these lines and the staff tests compare them.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "platform/headless/CallLog.h"

std::string DescribeCall(const LoggedCall& call);
std::string DescribeMidiMessage(DWORD message);
