// Works out the value of every Kubolo state and writes them, as the program
// stores them, to the file named: run once by the build.
#include "dice/advisor.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <values file>\n", argv[0]);
        return 2;
    }
    const std::shared_ptr<const kubolo::StateValues> computed = kubolo::computeStateValues();
    const std::span<const float> values = computed->stored();
    // Written aside and renamed: a run cut short leaves no half file the
    // build would take for done.
    const std::string aside = std::string(argv[1]) + ".new";
    std::FILE *file = std::fopen(aside.c_str(), "wb");
    bool written = file && std::fwrite(values.data(), sizeof(float), values.size(), file) == values.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written || std::rename(aside.c_str(), argv[1]) != 0) {
        std::perror(argv[1]);
        std::remove(aside.c_str());
        return 1;
    }
    return 0;
}
