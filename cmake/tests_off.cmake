# Run by ctest in a build whose tests are off, so that it fails with a
# reason instead of passing on nothing.
message(FATAL_ERROR "The tests are off in this build (ZEB_TESTS=OFF, or GoogleTest was not "
                    "found). Run scripts/test, or configure with the preset 'test'.")
