#include "host/application/ResultList.h"

#include <gtest/gtest.h>

#include <cstring>

namespace host {
namespace {

TEST(ResultList, BuildsEveryKindInOrderAndFreesTexts)
{
    const double p[3] = {1.5, 2.5, 3.5};
    const std::uint64_t name[2] = {42, 7};
    ResultBuffer* list = buildList(kind::kReal, 0.25, kind::kPoint, p, kind::kPoint3, p, kind::kShort, 2593,
                                   kind::kText, "层 A", kind::kEntityName, name, kind::kLong, -70000, kind::kText,
                                   static_cast<const char*>(nullptr), 0);
    ASSERT_NE(list, nullptr);
    const ResultBuffer* e = list;
    EXPECT_EQ(e->kind, kind::kReal);
    EXPECT_EQ(e->value.real, 0.25);
    e = e->next;
    EXPECT_EQ(e->kind, kind::kPoint);
    EXPECT_EQ(e->value.point[1], 2.5);
    EXPECT_EQ(e->value.point[2], 0.0); // a plan point has no z
    e = e->next;
    EXPECT_EQ(e->value.point[2], 3.5);
    e = e->next;
    EXPECT_EQ(e->value.shortValue, 2593);
    e = e->next;
    EXPECT_STREQ(e->value.text, "层 A");
    e = e->next;
    EXPECT_EQ(e->value.name[0], 42u);
    e = e->next;
    EXPECT_EQ(e->value.longValue, -70000);
    e = e->next;
    EXPECT_STREQ(e->value.text, "");
    EXPECT_EQ(e->next, nullptr);
    freeList(list); // the sanitizer build reports anything left behind
}

TEST(ResultList, UnknownKindGivesNullAndLeaksNothing)
{
    EXPECT_EQ(buildList(kind::kText, "kept until the bad kind", 4711, 1.0, 0), nullptr);
    EXPECT_EQ(buildList(0), nullptr);
    freeList(nullptr);
}

TEST(ResultList, ReplacingATextFreesTheOldOne)
{
    ResultBuffer* element = newResult(kind::kText);
    setResultText(*element, "first");
    setResultText(*element, "second");
    EXPECT_STREQ(element->value.text, "second");
    freeList(element);
}

} // namespace
} // namespace host
