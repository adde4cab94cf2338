#pragma once
// A field value as the program sees it: Null, a whole number, a floating-point
// number or text. Text is in the program's single-byte character set.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace fieldizer::db {

struct Null {};

class Value {
  public:
    Value() = default;
    Value(Null) {}
    Value(int number) : data_(std::int64_t(number)) {}
    Value(long number) : data_(std::int64_t(number)) {}
    Value(long long number) : data_(std::int64_t(number)) {}
    Value(double number) : data_(number) {}
    Value(std::string text) : data_(std::move(text)) {}
    Value(std::string_view text) : data_(std::string(text)) {}
    Value(const char* text) : data_(std::string(text)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(data_); }
    bool isDouble() const { return std::holds_alternative<double>(data_); }
    bool isNumber() const { return isInteger() || isDouble(); }
    bool isText() const { return std::holds_alternative<std::string>(data_); }

    // The stored text; empty for every other kind.
    const std::string& text() const {
        static const std::string empty;
        return isText() ? std::get<std::string>(data_) : empty;
    }
    std::int64_t integer() const { return isInteger() ? std::get<std::int64_t>(data_) : 0; }
    double number() const;

    // The value written out as a text box would show it: Null is empty,
    // numbers in their shortest exact decimal form.
    std::string toText() const;

    friend bool operator==(const Value&, const Value&) = default;

  private:
    std::variant<std::monostate, std::int64_t, double, std::string> data_;
};

// Numbers written the way the program shows them: "12", "0.5", "-3.25".
std::string formatNumber(double number);

} // namespace fieldizer::db
