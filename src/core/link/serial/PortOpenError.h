#pragma once
// Why a serial port would not open, in words, for the line after
// "Cannot open COM port %d".
#include <string>

namespace volmar {

std::string DescribePortOpenError(int error);

}  // namespace volmar
