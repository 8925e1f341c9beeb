# The Debian packages the program and its tests need (sourced by run.sh and test.sh).
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
                fonts-ipafont-gothic fonts-ipafont-mincho)
TEST_PACKAGES=(xvfb xauth)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
