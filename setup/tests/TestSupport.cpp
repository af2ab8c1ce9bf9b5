#include "TestSupport.h"

#include "framework/Handles.h"
#include "setup/steps/SetupMessages.h"

#include <gtest/gtest.h>

#include <atomic>

namespace testing_support {

namespace {
constexpr char kRecorderClass[] = "OrvexTestMessageRecorder";
std::atomic<int> g_folderSerial{0};
}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::string(temp) + "orvex-" + (test ? test->name() : "test") + "-" +
             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(g_folderSerial++);
    RemoveTree(m_path);
    MakeFolders(m_path);
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.Valid()) << path;
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

std::string ReadFileBytes(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.Valid()) return std::string("<missing>");
    std::string bytes(GetFileSize(file.Get(), nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

void MakeFolders(const std::string& path) {
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA((path + "\\*").c_str(), &entry));
    if (find.Valid()) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find.Get(), &entry));
    }
    find.Reset();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

DWORD AttributesBesidesArchive(const std::string& path) { return Attributes(path) & ~DWORD{FILE_ATTRIBUTE_ARCHIVE}; }

bool FileExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

int ScriptedPrompt::Ask(const std::string& text, const std::string& caption, UINT type) {
    m_questions.push_back({text, caption, type});
    if (m_answers.empty()) return IDCANCEL;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

MessageRecorder::MessageRecorder() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &MessageRecorder::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kRecorderClass;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    m_window = CreateWindowExA(0, kRecorderClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageRecorder::~MessageRecorder() { DestroyWindow(m_window); }

void MessageRecorder::Drain() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

int MessageRecorder::Count(UINT message) const {
    int count = 0;
    for (const auto& m : m_messages) count += m.message == message;
    return count;
}

LRESULT CALLBACK MessageRecorder::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MessageRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message >= UWM_SETUP_PROGRESS && message <= UWM_SETUP_ABORTED) {
        RecordedMessage recorded{message, {}, {}};
        if (message == UWM_SETUP_PROGRESS) {
            recorded.source = reinterpret_cast<const char*>(wParam);
            recorded.target = reinterpret_cast<const char*>(lParam);
        }
        self->m_messages.push_back(recorded);
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace testing_support
