#pragma once
// Helpers of the Setup step tests: throw-away folder trees, a prompt with scripted answers that records
// every question, and a hidden window that records the worker's messages.
#include "framework/UserPrompt.h"

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the temporary folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder's path, without a trailing backslash.
    const std::string& Path() const { return m_path; }
    // Path of a relative name inside the folder.
    std::string operator/(const std::string& relative) const { return m_path + "\\" + relative; }

private:
    std::string m_path;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
void MakeFolders(const std::string& path);  // every folder along the path
void RemoveTree(const std::string& path);   // clears attributes first
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
DWORD Attributes(const std::string& path);
// Attributes without the archive bit, which Wine reports for every regular file.
DWORD AttributesBesidesArchive(const std::string& path);

struct Question {
    std::string text;
    std::string caption;
    UINT type;
};

// Answers questions from a script in order (IDCANCEL once it runs out) and records them.
class ScriptedPrompt : public CUserPrompt {
public:
    explicit ScriptedPrompt(std::deque<int> answers = {}) : m_answers(std::move(answers)) {}
    int Ask(const std::string& text, const std::string& caption, UINT type) override;
    const std::vector<Question>& Questions() const { return m_questions; }

private:
    std::deque<int> m_answers;
    std::vector<Question> m_questions;
};

struct RecordedMessage {
    UINT message;
    std::string source;  // wParam and lParam read as text for the progress message
    std::string target;
};

// A message-only window of the calling thread that records the worker messages sent or posted to it.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    HWND Window() const { return m_window; }
    // Dispatches the posted messages waiting in the calling thread's queue.
    void Drain();
    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    int Count(UINT message) const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_window = nullptr;
    std::vector<RecordedMessage> m_messages;
};

}  // namespace testing_support
