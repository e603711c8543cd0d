// quorvane-calc: the calculator from the command line.
#include "app/batch_front_end.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return qv::runBatch(arguments, std::cout, std::cerr);
}
