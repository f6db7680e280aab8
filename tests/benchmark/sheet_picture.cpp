// Draws the default sheet the way the preview paints it into a 400 x 566 bitmap and writes it as a .bmp
// file (default "sheet_picture.bmp" in the current folder), to look at the drawing with one's own eyes.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/program_path.h"
#include "model/label_sheet.h"
#include "model/working_folder.h"
#include "render/canvas.h"
#include "sheet_drawing.h"

int main(int argc, char** argv) {
    using namespace tagmora;
    const std::string path = argc > 1 ? argv[1] : "sheet_picture.bmp";
    const int width = argc > 3 ? std::atoi(argv[2]) : 400;
    const int height = argc > 3 ? std::atoi(argv[3]) : 566;

    SetWorkingFolder(ProgramFolder());
    LabelSheet sheet;
    sheet.ApplyDefaults();
    bench::DibPage picture(width, height);
    if (!picture.Valid()) {
        std::printf("cannot create a %d x %d bitmap\n", width, height);
        return 1;
    }
    Canvas canvas;
    canvas.SetDeviceContext(picture.DeviceContext());
    bench::DrawLikeThePreview(canvas, sheet, width, height);
    if (!picture.WriteBitmapFile(path)) {
        std::printf("cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: the default sheet, %d x %d, logo %s\n", path.c_str(), width, height,
                sheet.Settings().LOGO.c_str());
    return 0;
}
