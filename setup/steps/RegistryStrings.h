#pragma once
// The four registry operations through which every registry access of Setup goes. Keys are opened with
// create semantics: reading a value of a missing key leaves that key behind, empty.
#include "framework/Charset.h"

#include <cstddef>
#include <string>

// Values pass through a buffer of this many bytes, terminating zero included.
inline constexpr std::size_t kRegistryValueBufferSize = 2048;

// True when the value was read whole. A value that does not fit the buffer is a failed read, never a
// truncated text. Any value type is accepted. Out text is empty on failure.
bool ReadMachineString(const std::string& key, const std::string& valueName, std::string& text);
bool ReadUserString(const std::string& key, const std::string& valueName, std::string& text);

// True when the value was written as REG_SZ. A text that does not fit the buffer is refused.
bool WriteMachineString(const std::string& key, const std::string& valueName, const std::string& text);
bool WriteUserString(const std::string& key, const std::string& valueName, const std::string& text);
