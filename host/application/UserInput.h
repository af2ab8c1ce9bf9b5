#pragma once
// The interactive calls: each prints its prompt, reads the input source and answers with rt::kNormal,
// rt::kKeyword, rt::kCancel, rt::kError or rt::kNone. Input the call cannot take (a refused value, a text
// where a point is asked for, a keyword not in the list) is reported on the command line and asked again;
// a source with nothing more cancels.

#include "host/application/CommandLine.h"
#include "host/application/EntityName.h"
#include "host/application/InputSource.h"

#include <string>
#include <vector>

namespace host {

// prepareInput flags.
inline constexpr int kInputNoNull = 1;        // Enter is not an answer
inline constexpr int kInputNoZero = 2;        // a zero distance is refused
inline constexpr int kInputNoNegative = 4;    // a negative distance is refused
inline constexpr int kInputArbitrary = 128;   // any typed text is taken as a keyword

// Room the keyword buffer of getKeyword has.
inline constexpr std::size_t kKeywordBufferSize = 1024;

class UserInput {
public:
    UserInput(CommandLine& commandLine, const Database* const& database);

    // Not owned; null means there is no input (every call cancels).
    void setSource(InputSource* source) { source_ = source; }
    InputSource* source() const { return source_; }
    // No source, no pending flags, keywords or keyword.
    void reset();

    // Flags and keywords (separated by spaces) for the next interactive call only.
    int prepareInput(int flags, const std::string& keywords);
    // A point in user coordinates; a base point only draws a rubber band.
    int getPoint(const Point3d* base, const std::string& prompt, Point3d& point);
    // The keyword of the last call that answered rt::kKeyword, copied into buffer (truncated, always
    // terminated); rt::kError when there is none or no room.
    int getKeyword(char* buffer, std::size_t size = kKeywordBufferSize);
    // A text; without allowSpaces it ends at the first space. Enter gives rt::kNormal and an empty text.
    int getText(bool allowSpaces, const std::string& prompt, std::string& text);
    // A typed distance, or the distance from the base point to a given point (two points without base).
    int getDistance(const Point3d* base, const std::string& prompt, double& distance);
    // An entity under the pick box: rt::kError when the pick misses (nothing, an erased or foreign object).
    int pickEntity(const std::string& prompt, EntityName& name, Point3d& picked);

    const Point3d* lastBase() const { return hasBase_ ? &base_ : nullptr; }

private:
    // What a call makes of one event: not its kind of input, ask again, or the call is done (with status).
    enum class Read { Unhandled, Again, Done };
    // Reads the next event; false and a status when the call ends without one.
    bool nextEvent(InputEvent& event, int& status);
    // What every call answers alike: Enter, cancel, error and keywords; anything else is asked again.
    Read common(const InputEvent& event, int& status);
    // One interactive call: prompt, then events until `take` or `common` is done with one.
    template <class Take>
    int ask(const std::string& prompt, const Point3d* base, Take take);
    bool matchKeyword(const std::string& typed, std::string& keyword) const;
    void refuse(const char* message);
    void begin(const std::string& prompt, const Point3d* base);
    int finish(int status);

    CommandLine& commandLine_;
    const Database* const& database_;
    InputSource* source_ = nullptr;
    int flags_ = 0;
    std::vector<std::string> keywords_;
    std::string lastKeyword_;
    bool hasKeyword_ = false;
    Point3d base_;
    bool hasBase_ = false;
};

} // namespace host
