#include "link/NetworkAddress.h"

#include <algorithm>
#include <cctype>

namespace velnar::link {

namespace {

constexpr const char* kRawScheme = "tcp://";
constexpr const char* kRfc2217Scheme = "rfc2217://";

bool HasPrefix(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(b)) == a; });
}

}  // namespace

bool IsNetworkAddress(const std::string& port)
{
    return HasPrefix(port, kRawScheme) || HasPrefix(port, kRfc2217Scheme);
}

ParsedAddress ParseNetworkAddress(const std::string& text)
{
    NetworkAddress address;
    std::string rest;
    if (HasPrefix(text, kRawScheme)) {
        rest = text.substr(std::string(kRawScheme).size());
    } else if (HasPrefix(text, kRfc2217Scheme)) {
        address.protocol = NetworkAddress::Protocol::Rfc2217;
        rest = text.substr(std::string(kRfc2217Scheme).size());
    } else {
        return {std::nullopt, text + ": not a network address (tcp://HOST:PORT or rfc2217://HOST:PORT)"};
    }
    if (!rest.empty() && rest.back() == '/')
        rest.pop_back();

    std::size_t colon = std::string::npos;
    if (!rest.empty() && rest.front() == '[') {
        const std::size_t close = rest.find(']');
        if (close == std::string::npos)
            return {std::nullopt, text + ": the IPv6 address has no closing bracket"};
        address.host = rest.substr(1, close - 1);
        if (close + 1 < rest.size() && rest[close + 1] == ':')
            colon = close + 1;
        else if (close + 1 < rest.size())
            return {std::nullopt, text + ": a port must follow the address as :PORT"};
    } else {
        colon = rest.rfind(':');
        address.host = rest.substr(0, colon);
    }
    if (address.host.empty())
        return {std::nullopt, text + ": no host given"};
    if (address.host.find_first_of(" /:@") != std::string::npos && rest.front() != '[')
        return {std::nullopt, text + ": \"" + address.host + "\" is not a host"};
    const std::string port = colon == std::string::npos ? std::string() : rest.substr(colon + 1);
    if (port.empty())
        return {std::nullopt, text + ": no port given (for example " + text.substr(0, text.find("//") + 2) +
                                  address.host + ":4001)"};
    if (port.size() > 5 || !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {std::nullopt, text + ": the port must be a number from 1 to 65535"};
    address.port = std::stoi(port);
    if (address.port < 1 || address.port > 65535)
        return {std::nullopt, text + ": the port must be a number from 1 to 65535"};
    return {address, {}};
}

bool IsReservedInvalidName(const std::string& host)
{
    std::string name = host;
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    return name == "invalid" || HasPrefix(std::string(name.rbegin(), name.rend()), "dilavni.");
}

}  // namespace velnar::link
