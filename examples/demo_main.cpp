#include "demo_module.h"

int main()
{
    return RunDemo();
}
