#include "host/database/Status.h"

namespace host {

const char* statusName(ErrorStatus status)
{
    switch (status) {
    case ErrorStatus::eOk: return "eOk";
    case ErrorStatus::eKeyNotFound: return "eKeyNotFound";
    case ErrorStatus::eNullObjectId: return "eNullObjectId";
    case ErrorStatus::eHatchEvaluationFailed: return "eHatchEvaluationFailed";
    case ErrorStatus::eInvalidObjectId: return "eInvalidObjectId";
    case ErrorStatus::eWasErased: return "eWasErased";
    case ErrorStatus::eWasOpenForWrite: return "eWasOpenForWrite";
    case ErrorStatus::eWasOpenForRead: return "eWasOpenForRead";
    case ErrorStatus::eWrongObjectType: return "eWrongObjectType";
    case ErrorStatus::eNotOpenForWrite: return "eNotOpenForWrite";
    case ErrorStatus::eNotOpen: return "eNotOpen";
    case ErrorStatus::eAlreadyInDb: return "eAlreadyInDb";
    case ErrorStatus::eNullEntityPointer: return "eNullEntityPointer";
    case ErrorStatus::eDuplicateRecordName: return "eDuplicateRecordName";
    case ErrorStatus::eInvalidInput: return "eInvalidInput";
    case ErrorStatus::eInvalidExtents: return "eInvalidExtents";
    case ErrorStatus::eCannotScaleNonUniformly: return "eCannotScaleNonUniformly";
    case ErrorStatus::eNotApplicable: return "eNotApplicable";
    case ErrorStatus::eLoadFailed: return "eLoadFailed";
    case ErrorStatus::eEntryPointNotFound: return "eEntryPointNotFound";
    case ErrorStatus::eModuleRefused: return "eModuleRefused";
    case ErrorStatus::eModuleLocked: return "eModuleLocked";
    case ErrorStatus::eModuleNotLoaded: return "eModuleNotLoaded";
    case ErrorStatus::eModuleAlreadyLoaded: return "eModuleAlreadyLoaded";
    }
    return "unknown status";
}

} // namespace host
