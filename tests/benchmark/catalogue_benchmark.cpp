// Times the Label Sheet Products chooser from cold, as a user meets it: from the call until the list has
// painted its first rows (reading the catalogue file, building the search, creating the dialog), and then
// one keystroke in the search box until the list has painted the filtered rows, over the whole catalogue.
// Each run is a fresh process, so both are cold. With a path as argument it then types a search and saves
// a picture of the dialog there.
//   catalogue_benchmark [picture.png]   prints "open_ms=... keystroke_ms=... products=... matches=..."

// commctrl.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <string>

#include "app/program_path.h"
#include "catalogue/sheet_products_dialog.h"
#include "model/working_folder.h"
#include "res/resource_ids.h"
#include "tests/acceptance/screen_capture.h"

namespace tagmora::bench {
namespace {

struct Run {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    double openMs = -1;
    double keystrokeMs = -1;
    int products = 0;
    int matches = 0;
    std::string picture;
    HHOOK hook = nullptr;
    bool listPainting = false;
};

Run* current = nullptr;

double SinceStart() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - current->start.QuadPart) * 1000.0 /
           static_cast<double>(current->frequency.QuadPart);
}

HWND Chooser() {
    return FindWindowA("#32770", "Label Sheet Products");
}

void CALLBACK Type(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND chooser = Chooser();
    if (!chooser)
        return;
    const HWND box = GetDlgItem(chooser, IDC_PRODUCT_SEARCH);
    const HWND list = GetDlgItem(chooser, IDC_PRODUCT_LIST);
    current->products = ListView_GetItemCount(list);
    const double before = SinceStart();
    SendMessageA(box, WM_CHAR, '7', 1);
    UpdateWindow(list);
    current->keystrokeMs = SinceStart() - before;
    current->matches = ListView_GetItemCount(list);
    if (!current->picture.empty()) {
        SetWindowTextA(box, "avery l71");
        SendMessageA(box, EM_SETSEL, 9, 9);
        RedrawWindow(chooser, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        // Every control paints in its own time: let them before the picture is taken.
        const DWORD until = GetTickCount() + 300;
        MSG message;
        while (GetTickCount() < until) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            Sleep(10);
        }
        RECT area{};
        GetWindowRect(chooser, &area);
        acceptance::ScreenCapture(area).SavePng(current->picture);
    }
    PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
}

// A chooser that never painted must not keep the benchmark waiting.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (const HWND chooser = Chooser())
        PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
}

// The list's first paint: the hook sees its paint message as the dialog's loop takes it, and posts a
// message that the loop takes only after that paint was dispatched; then the dialog stands filled.
LRESULT CALLBACK OnTakenMessage(int code, WPARAM wParam, LPARAM lParam) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && current->openMs < 0) {
        char className[32] = {};
        if (message.message == WM_PAINT && GetClassNameA(message.hwnd, className, sizeof className) &&
            std::string(className) == WC_LISTVIEWA && !current->listPainting) {
            current->listPainting = true;
            PostMessageA(GetParent(message.hwnd), WM_NULL, 0, 0);
        } else if (current->listPainting) {
            current->openMs = SinceStart();
            SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &Type);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace
}  // namespace tagmora::bench

int main(int argc, char** argv) {
    using namespace tagmora;
    SetWorkingFolder(ProgramFolder());
    bench::Run run;
    bench::current = &run;
    if (argc > 1)
        run.picture = argv[1];
    run.hook = SetWindowsHookExA(WH_GETMESSAGE, &bench::OnTakenMessage, nullptr, GetCurrentThreadId());
    QueryPerformanceFrequency(&run.frequency);
    QueryPerformanceCounter(&run.start);
    SetTimer(nullptr, 0, 10000, &bench::GiveUp);
    ProductSheet chosen;
    ChooseSheetProduct(nullptr, chosen);
    UnhookWindowsHookEx(run.hook);
    if (run.openMs < 0 || run.keystrokeMs < 0) {
        std::printf("the chooser did not open or take the keystroke\n");
        return 1;
    }
    std::printf("open_ms=%.1f keystroke_ms=%.1f products=%d matches=%d\n", run.openMs, run.keystrokeMs,
                run.products, run.matches);
    return 0;
}
