#include "setup/tests/ShellLinkReader.h"

#include "framework/Handles.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace testing_support {

ShellLinkFields ReadShellLink(const std::string& file) {
    ShellLinkFields fields;
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        ComPtr<IShellLinkA> link;
        ComPtr<IPersistFile> persist;
        WCHAR wide[MAX_PATH] = {};
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(link.Put()))) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(persist.Put()))) &&
            MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH) > 0 &&
            SUCCEEDED(persist->Load(wide, STGM_READ))) {
            char text[1024] = {};
            fields.loaded = true;
            if (link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH) == S_OK) fields.path = text;
            text[0] = 0;
            if (SUCCEEDED(link->GetArguments(text, sizeof text))) fields.arguments = text;
            text[0] = 0;
            if (SUCCEEDED(link->GetIconLocation(text, sizeof text, &fields.iconIndex))) fields.iconFile = text;
            text[0] = 0;
            if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text))) fields.workingFolder = text;
        }
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return fields;
}

}  // namespace testing_support
