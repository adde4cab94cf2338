#include "workbench/access/report_wire.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace fieldizer::access::wire {
namespace {

void put(std::string& out, std::string_view text) {
    std::uint64_t size = text.size();
    out.append(reinterpret_cast<const char*>(&size), sizeof size);
    out.append(text);
}

void put(std::string& out, std::uint64_t number) {
    put(out, std::to_string(number));
}

std::string take(std::string_view& in) {
    std::uint64_t size = 0;
    if (in.size() < sizeof size)
        throw std::runtime_error("conversion report cut short");
    std::memcpy(&size, in.data(), sizeof size);
    in.remove_prefix(sizeof size);
    if (in.size() < size)
        throw std::runtime_error("conversion report cut short");
    std::string text(in.substr(0, size));
    in.remove_prefix(size);
    return text;
}

std::uint64_t takeNumber(std::string_view& in) {
    return std::stoull(take(in));
}

} // namespace

std::string message(Tag tag, std::string_view payload) {
    std::string out(1, char(tag));
    put(out, payload);
    return out;
}

std::optional<std::pair<Tag, std::string>> takeMessage(std::string& buffer) {
    std::uint64_t size = 0;
    if (buffer.size() < 1 + sizeof size)
        return std::nullopt;
    std::memcpy(&size, buffer.data() + 1, sizeof size);
    if (buffer.size() < 1 + sizeof size + size)
        return std::nullopt;
    std::pair<Tag, std::string> taken{Tag(buffer[0]), buffer.substr(1 + sizeof size, size)};
    buffer.erase(0, 1 + sizeof size + size);
    return taken;
}

std::string encode(const ConversionReport& report) {
    std::string out;
    put(out, report.tables.size());
    for (const auto& t : report.tables) {
        put(out, t.name);
        put(out, t.rows);
    }
    put(out, report.queries.size());
    for (const auto& q : report.queries) {
        put(out, q.name);
        put(out, q.problem);
    }
    put(out, report.fields.size());
    for (const auto& f : report.fields) {
        put(out, f.table);
        put(out, f.field);
        put(out, f.leftEmpty);
        put(out, f.replaced);
        put(out, f.rounded);
        put(out, f.leftEmptyBecause);
    }
    return out;
}

ConversionReport decode(std::string_view in) {
    ConversionReport report;
    for (auto n = takeNumber(in); n > 0; --n) {
        std::string name = take(in);
        report.tables.push_back({std::move(name), takeNumber(in)});
    }
    for (auto n = takeNumber(in); n > 0; --n) {
        std::string name = take(in);
        report.queries.push_back({std::move(name), take(in)});
    }
    for (auto n = takeNumber(in); n > 0; --n) {
        ConversionReport::Field f;
        f.table = take(in);
        f.field = take(in);
        f.leftEmpty = takeNumber(in);
        f.replaced = takeNumber(in);
        f.rounded = takeNumber(in);
        f.leftEmptyBecause = take(in);
        report.fields.push_back(std::move(f));
    }
    return report;
}

} // namespace fieldizer::access::wire
