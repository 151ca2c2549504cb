#include "toolkit/FormatMessage.h"

#include <cctype>
#include <stdexcept>

namespace tk {

CString FormatMessageText(std::string_view messageTemplate, std::span<const FormatArgument> arguments)
{
    std::string out;
    for (std::size_t i = 0; i < messageTemplate.size(); ++i) {
        const char ch = messageTemplate[i];
        if (ch != '%' || i + 1 >= messageTemplate.size()) {
            out.push_back(ch);
            continue;
        }
        const char next = messageTemplate[i + 1];
        if (next == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(next)) == 0 || next == '0') {
            out.push_back(ch);
            continue;
        }
        std::size_t j = i + 1;
        int number = 0;
        while (j < messageTemplate.size() &&
               std::isdigit(static_cast<unsigned char>(messageTemplate[j])) != 0 && j < i + 3) {
            number = number * 10 + (messageTemplate[j] - '0');
            ++j;
        }
        std::string conversion = "s";
        if (j < messageTemplate.size() && messageTemplate[j] == '!') {
            const std::size_t close = messageTemplate.find('!', j + 1);
            if (close == std::string_view::npos) {
                throw std::invalid_argument("message insert %" + std::to_string(number) +
                                            " has no closing '!'");
            }
            conversion = std::string(messageTemplate.substr(j + 1, close - j - 1));
            j = close + 1;
        }
        if (number < 1 || static_cast<std::size_t>(number) > arguments.size()) {
            throw std::invalid_argument("message insert %" + std::to_string(number) + " has no argument");
        }
        const FormatArgument& argument = arguments[static_cast<std::size_t>(number - 1)];
        if (conversion == "s" && std::holds_alternative<std::string>(argument)) {
            out += std::get<std::string>(argument);
        } else if ((conversion == "d" || conversion == "i") &&
                   std::holds_alternative<std::int32_t>(argument)) {
            out += std::to_string(std::get<std::int32_t>(argument));
        } else {
            throw std::invalid_argument("message insert %" + std::to_string(number) + " has conversion '" +
                                        conversion + "', which does not fit its argument");
        }
        i = j - 1;
    }
    return CString(std::move(out));
}

}  // namespace tk
