// The message boxes the staff shows when its MIDI device fails, as the user reads them.
#pragma once

#include <string>

inline const std::string kInitFailed = "初始化Midi设备失败!";
inline const std::string kOpenFailed = "打开Midi设备失败";
