#pragma once
// Every status value of the host in one place.

namespace host {

// Database and object statuses. 0, 22, 93 and 420 are the values the module relies on; the rest are ours.
enum class ErrorStatus : int {
    eOk = 0,
    eKeyNotFound = 22,            // a table or dictionary has no record of that name
    eNullObjectId = 93,           // the id is the null id, or an append gave none
    eHatchEvaluationFailed = 420, // a hatch's loops could not be evaluated

    eInvalidObjectId = 1001,      // no object of this database has the id
    eWasErased = 1002,            // the object is erased (opening erased objects for read must be asked for)
    eWasOpenForWrite = 1003,      // someone holds it open for write
    eWasOpenForRead = 1004,       // someone holds it open for read, so it cannot be opened for write
    eWrongObjectType = 1005,      // the object is not of the kind asked for
    eNotOpenForWrite = 1006,      // a change was made to a database object not open for write
    eNotOpen = 1007,              // close or upgrade of an object that is not open
    eAlreadyInDb = 1008,          // the object already belongs to a database
    eNullEntityPointer = 1009,    // no object was given
    eDuplicateRecordName = 1010,  // a table already has a record of that name
    eInvalidInput = 1011,         // an argument is out of its domain (empty name, zero radius, bad index...)
    eInvalidExtents = 1012,       // the object has no extents (nothing to measure)
    eCannotScaleNonUniformly = 1013, // the transform would distort a circular or text entity
    eNotApplicable = 1014,        // the operation does not apply to this object
    eLoadFailed = 1101,           // the shared library could not be opened
    eEntryPointNotFound = 1102,   // the shared library has no module entry point
    eModuleRefused = 1103,        // the module's entry point answered the load message with a failure
    eModuleLocked = 1104,         // the module has not unlocked itself and may not be unloaded
    eModuleNotLoaded = 1105,      // no loaded module by that name
    eModuleAlreadyLoaded = 1106,  // the module is loaded already
};

// Readable name of a status, for messages and test output.
const char* statusName(ErrorStatus status);

// Statuses of interactive calls and of variable access, and kinds of result-list values.
namespace rt {
inline constexpr int kNormal = 5100;   // input given
inline constexpr int kNone = 5000;     // nothing entered (Enter); also the end of a result list
inline constexpr int kKeyword = -5005; // a keyword of the current keyword list was typed
inline constexpr int kCancel = -5002;  // cancelled by the user
inline constexpr int kError = -5001;   // failed: unknown variable, wrong kind, missed pick...
} // namespace rt

namespace kind {
inline constexpr int kReal = 5001;
inline constexpr int kPoint = 5002; // plan point
inline constexpr int kShort = 5003;
inline constexpr int kText = 5005;
inline constexpr int kEntityName = 5006;
inline constexpr int kSelectionSet = 5007;
inline constexpr int kPoint3 = 5009;
inline constexpr int kLong = 5010;
inline constexpr int kNone = 5000; // no value: the end of a list
} // namespace kind

} // namespace host
