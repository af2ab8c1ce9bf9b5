#pragma once
// Where interactive calls get what the user gives: points, keywords, texts, distances, entity picks, Enter,
// cancel or an error. Tests and scripts use the scripted source.

#include "host/database/ObjectId.h"
#include "host/geometry/Vectors.h"

#include <deque>
#include <string>

namespace host {

struct InputEvent {
    enum class Type { Point, Keyword, Text, Distance, Pick, Enter, Cancel, Error };

    Type type = Type::Enter;
    Point3d point;     // Point (user coordinates), Pick (the picked point)
    std::string text;  // Keyword, Text
    double value = 0.0; // Distance
    ObjectId entity;   // Pick: what lies under the pick box, null for a miss

    static InputEvent pointAt(const Point3d& p) { InputEvent e; e.type = Type::Point; e.point = p; return e; }
    static InputEvent keyword(const std::string& typed) { InputEvent e; e.type = Type::Keyword; e.text = typed; return e; }
    static InputEvent typedText(const std::string& typed) { InputEvent e; e.type = Type::Text; e.text = typed; return e; }
    static InputEvent distance(double d) { InputEvent e; e.type = Type::Distance; e.value = d; return e; }
    static InputEvent pick(ObjectId id, const Point3d& p) { InputEvent e; e.type = Type::Pick; e.entity = id; e.point = p; return e; }
    static InputEvent enter() { return InputEvent(); }
    static InputEvent cancel() { InputEvent e; e.type = Type::Cancel; return e; }
    static InputEvent error() { InputEvent e; e.type = Type::Error; return e; }
};

class InputSource {
public:
    virtual ~InputSource() = default;
    // The next thing the user gives; false when there is nothing more (the host then cancels).
    virtual bool next(InputEvent& event) = 0;
};

// A queue of prepared input, given out in order.
class ScriptedInput : public InputSource {
public:
    ScriptedInput& add(const InputEvent& event)
    {
        events_.push_back(event);
        return *this;
    }
    ScriptedInput& point(const Point3d& p) { return add(InputEvent::pointAt(p)); }
    ScriptedInput& keyword(const std::string& typed) { return add(InputEvent::keyword(typed)); }
    ScriptedInput& text(const std::string& typed) { return add(InputEvent::typedText(typed)); }
    ScriptedInput& distance(double d) { return add(InputEvent::distance(d)); }
    ScriptedInput& pick(ObjectId id, const Point3d& p) { return add(InputEvent::pick(id, p)); }
    ScriptedInput& enter() { return add(InputEvent::enter()); }
    ScriptedInput& cancel() { return add(InputEvent::cancel()); }
    ScriptedInput& error() { return add(InputEvent::error()); }

    bool next(InputEvent& event) override
    {
        if (events_.empty())
            return false;
        event = events_.front();
        events_.pop_front();
        return true;
    }
    std::size_t remaining() const { return events_.size(); }

private:
    std::deque<InputEvent> events_;
};

} // namespace host
