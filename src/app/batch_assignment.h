#pragma once
// The NAME=VALUE argument of --set, --geometry and --tank, split at its first '='; without one the
// whole argument is the name.

#include <string>
#include <string_view>

namespace qv {

struct Assignment {
    std::string_view name;
    std::string_view value;
};

inline Assignment splitAssignment(const std::string& argument)
{
    const auto equals = argument.find('=');
    if (equals == std::string::npos) return {argument, {}};
    return {std::string_view(argument).substr(0, equals), std::string_view(argument).substr(equals + 1)};
}

} // namespace qv
