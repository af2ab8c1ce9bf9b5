#pragma once
// Self-registration of an in-process COM server (the product's ActiveX control files).
#include "framework/Charset.h"

#include <string>

// True when the file loaded, exports "DllRegisterServer" and that call returned S_OK. The library is
// freed again on every path.
bool RegisterServer(const std::string& filePath);
