#include "app.h"

// The process entry. The arguments and the environment are not read.
int main(int /*argc*/, char** /*argv*/, char** /*envp*/) { return pwgen::main(); }
