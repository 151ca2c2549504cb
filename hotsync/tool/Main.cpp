#include "hotsync/tool/Commands.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return hotsync::tool::RunCommand(arguments, std::cout, std::cerr);
}
