#include "app/startup.h"

int main(int argc, char** argv)
{
    return zt::runProgram(argc, argv);
}
