#include "workbench/postgres/server_address.h"

#include <array>

namespace fieldizer::db {
namespace {

constexpr std::array<std::string_view, 2> schemes{"postgresql://", "postgres://"};

std::size_t schemeLength(std::string_view target) {
    for (std::string_view scheme : schemes)
        if (target.substr(0, scheme.size()) == scheme)
            return scheme.size();
    return 0;
}

// The user part without its password: "user:secret" gives "user".
std::string_view userWithoutPassword(std::string_view userInfo) {
    return userInfo.substr(0, userInfo.find(':'));
}

// The parameters after "?" without password=...
std::string parametersWithoutPassword(std::string_view parameters) {
    std::string kept;
    while (!parameters.empty()) {
        const std::size_t end = parameters.find('&');
        const std::string_view parameter = parameters.substr(0, end);
        if (parameter.substr(0, 9) != "password=" && parameter != "password") {
            kept += kept.empty() ? "" : "&";
            kept += parameter;
        }
        parameters =
            end == std::string_view::npos ? std::string_view() : parameters.substr(end + 1);
    }
    return kept;
}

std::string percentEncoded(std::string_view part) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : part) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~';
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0xF];
        }
    }
    return encoded;
}

} // namespace

bool isServerAddress(std::string_view target) {
    return schemeLength(target) != 0;
}

std::string addressWithoutPassword(std::string_view address) {
    const std::size_t start = schemeLength(address);
    if (start == 0)
        return std::string(address);
    std::string shown(address.substr(0, start));
    const std::string_view rest = address.substr(start);
    const std::size_t questionMark = rest.find('?');
    const std::string_view beforeParameters = rest.substr(0, questionMark);
    // The user part ends at the last "@" before the path.
    const std::string_view authority = beforeParameters.substr(0, beforeParameters.find('/'));
    const std::size_t at = authority.rfind('@');
    if (at == std::string_view::npos) {
        shown += beforeParameters;
    } else {
        shown += userWithoutPassword(authority.substr(0, at));
        shown += beforeParameters.substr(at);
    }
    if (questionMark != std::string_view::npos) {
        const std::string parameters = parametersWithoutPassword(rest.substr(questionMark + 1));
        if (!parameters.empty())
            shown += "?" + parameters;
    }
    return shown;
}

std::string serverAddress(std::string_view host, std::string_view port, std::string_view database) {
    std::string address(schemes[0]);
    address += percentEncoded(host);
    if (!port.empty())
        address += ":" + percentEncoded(port);
    if (!database.empty())
        address += "/" + percentEncoded(database);
    return address;
}

} // namespace fieldizer::db
