// The picture generator: draws the Colour Picker's wheel and cube from the picker's own arithmetic, checks
// them, and writes them as hue_wheel.bmp and rgb_cube.bmp into the folder given. The files in res/ are its
// output; the native build runs it and fails when they differ. After a change to the arithmetic or the
// drawing:  make_colour_pictures <repository>/res
#include <cstdio>
#include <fstream>
#include <string>

#include "colour/colour_pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const tagmora::Picture wheel = tagmora::DrawHueWheel();
    const tagmora::Picture cube = tagmora::DrawRgbCube();
    const std::string faults = tagmora::CheckHueWheel(wheel) + tagmora::CheckRgbCube(cube);
    if (!faults.empty()) {
        std::fprintf(stderr, "The pictures are not what the picker needs:\n%s", faults.c_str());
        return 1;
    }
    const std::string folder = std::string(argv[1]) + "/";
    for (const auto& [name, picture] :
         {std::make_pair("hue_wheel.bmp", &wheel), std::make_pair("rgb_cube.bmp", &cube)}) {
        const std::string bytes = tagmora::BitmapFileBytes(*picture);
        std::ofstream file(folder + name, std::ios::binary);
        if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !file.flush()) {
            std::fprintf(stderr, "Cannot write %s%s\n", folder.c_str(), name);
            return 1;
        }
    }
    return 0;
}
