// The entry point: start the toolkit with the one window.
#include "start.h"

int main(int argc, char* argv[])
{
    return startToolkit(argc, argv);
}
