#include "host/application/UserInput.h"

#include "host/database/SymbolTable.h"
#include "host/entities/Entity.h"

#include <cmath>
#include <cstring>
#include <sstream>

namespace host {
namespace {

// What the command line says when it asks again.
constexpr const char* kInvalidInput = "Invalid input.\n";
constexpr const char* kKeywordRequired = "Point or option keyword required.\n";
constexpr const char* kValueRefused = "Value must be positive and nonzero.\n";
constexpr const char* kNothingFound = "Nothing selected.\n";

// No user can type or pick a number that is not finite; a source that gives one is refused like a typo,
// so no call hands such a number on.
bool numbersAreFinite(const InputEvent& event)
{
    switch (event.type) {
    case InputEvent::Type::Point:
    case InputEvent::Type::Pick:
        return std::isfinite(event.point.x) && std::isfinite(event.point.y) && std::isfinite(event.point.z);
    case InputEvent::Type::Distance:
        return std::isfinite(event.value);
    default:
        return true;
    }
}

} // namespace

UserInput::UserInput(CommandLine& commandLine, const Database* const& database)
    : commandLine_(commandLine), database_(database)
{
}

void UserInput::reset()
{
    source_ = nullptr;
    flags_ = 0;
    keywords_.clear();
    hasKeyword_ = false;
    hasBase_ = false;
}

int UserInput::prepareInput(int flags, const std::string& keywords)
{
    flags_ = flags;
    keywords_.clear();
    std::istringstream words(keywords);
    for (std::string word; words >> word;)
        keywords_.push_back(word);
    return rt::kNormal;
}

void UserInput::begin(const std::string& prompt, const Point3d* base)
{
    commandLine_.print(prompt);
    hasKeyword_ = false; // a keyword is retrieved after the call that took it, not later
    hasBase_ = base != nullptr;
    if (base != nullptr)
        base_ = *base;
}

int UserInput::finish(int status)
{
    // Flags and keywords hold for one call only.
    flags_ = 0;
    keywords_.clear();
    commandLine_.print("\n");
    return status;
}

bool UserInput::nextEvent(InputEvent& event, int& status)
{
    if (source_ == nullptr || !source_->next(event)) {
        status = rt::kCancel;
        return false;
    }
    return true;
}

bool UserInput::matchKeyword(const std::string& typed, std::string& keyword) const
{
    const std::string* prefixMatch = nullptr;
    int prefixMatches = 0;
    for (const std::string& candidate : keywords_) {
        if (sameSymbolName(candidate, typed)) {
            keyword = candidate;
            return true;
        }
        if (!typed.empty() && typed.size() < candidate.size() && sameSymbolName(candidate.substr(0, typed.size()), typed)) {
            prefixMatch = &candidate;
            ++prefixMatches;
        }
    }
    if (prefixMatches == 1) {
        keyword = *prefixMatch;
        return true;
    }
    if ((flags_ & kInputArbitrary) != 0) {
        keyword = typed;
        return true;
    }
    return false;
}

void UserInput::refuse(const char* message)
{
    commandLine_.print(message);
}

UserInput::Read UserInput::common(const InputEvent& event, int& status)
{
    switch (event.type) {
    case InputEvent::Type::Enter:
        if ((flags_ & kInputNoNull) != 0) {
            refuse(kInvalidInput);
            return Read::Again;
        }
        status = rt::kNone;
        return Read::Done;
    case InputEvent::Type::Cancel:
        commandLine_.print("*Cancel*");
        status = rt::kCancel;
        return Read::Done;
    case InputEvent::Type::Error:
        status = rt::kError;
        return Read::Done;
    case InputEvent::Type::Keyword: {
        std::string keyword;
        if (!matchKeyword(event.text, keyword)) {
            refuse(kKeywordRequired);
            return Read::Again;
        }
        commandLine_.print(event.text);
        lastKeyword_ = keyword;
        hasKeyword_ = true;
        status = rt::kKeyword;
        return Read::Done;
    }
    default:
        refuse(kInvalidInput);
        return Read::Again;
    }
}

template <class Take>
int UserInput::ask(const std::string& prompt, const Point3d* base, Take take)
{
    begin(prompt, base);
    for (InputEvent event;;) {
        int status = rt::kNormal;
        if (!nextEvent(event, status))
            return finish(status);
        if (!numbersAreFinite(event)) {
            refuse(kInvalidInput);
            continue;
        }
        Read read = take(event, status);
        if (read == Read::Unhandled)
            read = common(event, status);
        if (read == Read::Done)
            return finish(status);
    }
}

int UserInput::getPoint(const Point3d* base, const std::string& prompt, Point3d& point)
{
    return ask(prompt, base, [&](const InputEvent& event, int&) {
        if (event.type != InputEvent::Type::Point)
            return Read::Unhandled;
        point = event.point;
        return Read::Done;
    });
}

int UserInput::getKeyword(char* buffer, std::size_t size)
{
    if (!hasKeyword_ || buffer == nullptr || size == 0)
        return rt::kError;
    const std::size_t length = std::min(lastKeyword_.size(), size - 1);
    std::memcpy(buffer, lastKeyword_.data(), length);
    buffer[length] = '\0';
    hasKeyword_ = false;
    return rt::kNormal;
}

int UserInput::getText(bool allowSpaces, const std::string& prompt, std::string& text)
{
    return ask(prompt, nullptr, [&](const InputEvent& event, int&) {
        switch (event.type) {
        case InputEvent::Type::Text:
        case InputEvent::Type::Keyword: // a text call takes any typing as text
            text = allowSpaces ? event.text : event.text.substr(0, event.text.find(' '));
            commandLine_.print(text);
            return Read::Done;
        case InputEvent::Type::Enter:
            text.clear();
            return Read::Done;
        default:
            return Read::Unhandled;
        }
    });
}

int UserInput::getDistance(const Point3d* base, const std::string& prompt, double& distance)
{
    bool haveFirst = base != nullptr;
    Point3d first = base != nullptr ? *base : Point3d();
    return ask(prompt, base, [&](const InputEvent& event, int&) {
        double value = 0.0;
        if (event.type == InputEvent::Type::Distance) {
            value = event.value;
        } else if (event.type == InputEvent::Type::Point && !haveFirst) {
            first = event.point;
            haveFirst = true;
            return Read::Again;
        } else if (event.type == InputEvent::Type::Point) {
            value = first.distanceTo(event.point);
        } else {
            return Read::Unhandled;
        }
        if (((flags_ & kInputNoZero) != 0 && value == 0.0) || ((flags_ & kInputNoNegative) != 0 && value < 0.0)) {
            refuse(kValueRefused);
            return Read::Again;
        }
        distance = value;
        return Read::Done;
    });
}

int UserInput::pickEntity(const std::string& prompt, EntityName& name, Point3d& picked)
{
    return ask(prompt, nullptr, [&](const InputEvent& event, int& status) {
        if (event.type != InputEvent::Type::Pick)
            return Read::Unhandled;
        const Database* database = database_;
        if (database == nullptr || !database->isKindOf<Entity>(event.entity) ||
            nameFromId(*database, event.entity, name) != ErrorStatus::eOk) {
            refuse(kNothingFound);
            status = rt::kError;
            return Read::Done;
        }
        picked = event.point;
        return Read::Done;
    });
}

} // namespace host
