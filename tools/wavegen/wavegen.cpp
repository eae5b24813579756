// Writes the game's six sound effects into the folder given as the only
// argument (the build passes <build>/data/se).
#include <iostream>
#include <string>

#include "synth.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: wavegen <output folder>\n";
        return 2;
    }
    std::string error;
    if (!wavegen::WriteAll(argv[1], error)) {
        std::cerr << "wavegen: " << error << '\n';
        return 1;
    }
    return 0;
}
