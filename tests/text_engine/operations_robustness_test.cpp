// Every line operation on generated lines and parameter values, odd bytes
// included: the only failure allowed is error 5, and only Delete drops lines.

#include "text_engine/add_text.h"
#include "text_engine/delete_text.h"
#include "text_engine/format_text.h"
#include "text_engine/move_text.h"
#include "text_engine/replace_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace fieldizer {
namespace {

class RandomValues {
  public:
    std::string text(std::size_t maxLength) {
        // NUL stands twice, so it is drawn twice as often as the others.
        static constexpr std::string_view bytes{"ab;,| \n\r\0\xff\0", 11};
        std::string s(pick(maxLength + 1), ' ');
        for (auto& c : s)
            c = bytes[pick(bytes.size())];
        return s;
    }
    std::string oneOf(std::initializer_list<const char*> values) {
        if (pick(6) == 0)
            return text(4);
        return *(values.begin() + pick(values.size()));
    }
    std::string number() { return std::to_string(pick(12)); }
    std::string flag() { return pick(2) ? "1" : "0"; }

  private:
    std::size_t pick(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }
    std::mt19937 random_{7};
};

ParameterValues generatedValues(RandomValues& r) {
    ParameterValues v = defaultParameterValues();
    for (const auto& key : parameterKeys()) {
        if (key.kind == KeyKind::Number)
            v[std::string(key.name)] = r.number();
        else if (key.kind == KeyKind::Flag)
            v[std::string(key.name)] = r.flag();
        else
            v[std::string(key.name)] = r.text(3);
    }
    v["textToMove"] = r.oneOf({"General Move", "Specific Move", "ab"});
    v["replaceText"] = r.oneOf({"General Replace", "Specific Replace", "a"});
    v["deleteText"] = r.oneOf({"General Delete", "Specific Delete", " "});
    v["deleteSpecificText"] = r.oneOf({"\r\n", "a", ""});
    v["addIfContains"] = r.oneOf({"\r\n", "", "a"});
    for (const char* key : {"moveOptions", "addOptions", "deleteOptions", "formatOptions"})
        v[key] = r.oneOf({"Add spaces", "Omit spaces"});
    for (const char* key : {"movePlaceSpaces", "addPlaceSpaces", "formatPlaceSpaces"})
        v[key] = r.oneOf({"Both sides", "Left side", "Right side"});
    v["formatCreate"] = r.oneOf({"New line", "New column"});
    v["formatAddText"] = r.oneOf({"Start of line", "End of column", "Omit text"});
    v["formatLineStart"] = r.oneOf({"Yes", "No"});
    v["formatFirstSection"] = r.oneOf({"Yes", "No"});
    return v;
}

TEST(OperationsRobustness, OnlyErrorFiveOnGeneratedInput) {
    RandomValues r;
    int failures = 0;
    for (int round = 0; round < 4000; ++round) {
        const ParameterValues v = generatedValues(r);
        const LineOperation operations[] = {
            moveOperation(moveParameters(v)), addOperation(addParameters(v)),
            replaceOperation(replaceParameters(v)), deleteOperation(deleteParameters(v)),
            formatOperation(formatParameters(v))};
        std::string line = r.text(14);
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        for (std::size_t i = 0; i < std::size(operations); ++i) {
            std::string out;
            try {
                const bool kept = operations[i](line, out);
                ASSERT_TRUE(kept || i == 3) << "only Delete drops lines";
            } catch (const RuntimeError& error) {
                ASSERT_EQ(error.number(), 5);
                ++failures;
            }
        }
    }
    EXPECT_GT(failures, 0) << "the generated values reach the invalid-argument paths";
}

} // namespace
} // namespace fieldizer
