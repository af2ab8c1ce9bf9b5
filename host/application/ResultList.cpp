#include "host/application/ResultList.h"

#include <cstdarg>
#include <cstring>

namespace host {
namespace {

char* copyText(const char* text)
{
    const char* source = text == nullptr ? "" : text;
    const std::size_t length = std::strlen(source);
    char* copy = new char[length + 1];
    std::memcpy(copy, source, length + 1);
    return copy;
}

bool knownKind(int kind)
{
    switch (kind) {
    case kind::kReal:
    case kind::kPoint:
    case kind::kPoint3:
    case kind::kShort:
    case kind::kLong:
    case kind::kText:
    case kind::kEntityName:
    case kind::kSelectionSet:
        return true;
    default:
        return false;
    }
}

} // namespace

ResultBuffer* newResult(int kind)
{
    auto* element = new ResultBuffer;
    element->kind = kind;
    if (kind == kind::kText)
        element->value.text = copyText("");
    return element;
}

void setResultText(ResultBuffer& element, const char* text)
{
    char* copy = copyText(text);
    if (element.kind == kind::kText)
        delete[] element.value.text;
    element.kind = kind::kText;
    element.value.text = copy;
}

ResultBuffer* buildList(int kind, ...)
{
    ResultBuffer* head = nullptr;
    ResultBuffer** tail = &head;
    va_list args;
    va_start(args, kind);
    for (; kind != 0; kind = va_arg(args, int)) {
        if (!knownKind(kind)) {
            freeList(head);
            head = nullptr;
            break;
        }
        ResultBuffer* element = newResult(kind);
        switch (kind) {
        case kind::kReal:
            element->value.real = va_arg(args, double);
            break;
        case kind::kPoint:
        case kind::kPoint3: {
            const double* p = va_arg(args, const double*);
            for (int i = 0; i < 3 && p != nullptr; ++i)
                element->value.point[i] = (kind == kind::kPoint && i == 2) ? 0.0 : p[i];
            break;
        }
        case kind::kShort:
            element->value.shortValue = static_cast<short>(va_arg(args, int));
            break;
        case kind::kLong:
            element->value.longValue = va_arg(args, int);
            break;
        case kind::kText:
            setResultText(*element, va_arg(args, const char*));
            break;
        default: {
            const std::uint64_t* name = va_arg(args, const std::uint64_t*);
            if (name != nullptr) {
                element->value.name[0] = name[0];
                element->value.name[1] = name[1];
            }
        }
        }
        *tail = element;
        tail = &element->next;
    }
    va_end(args);
    return head;
}

void freeList(ResultBuffer* list)
{
    while (list != nullptr) {
        ResultBuffer* next = list->next;
        if (list->kind == kind::kText)
            delete[] list->value.text;
        delete list;
        list = next;
    }
}

} // namespace host
