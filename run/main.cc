#include <cstdio>

#include "run/zeb.h"

int main(int argc, char** argv) { return zeb::runZeb(argc, argv, stdout, stderr); }
