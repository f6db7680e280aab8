#include "model/quit_request.h"

namespace tagmora {
namespace {

// Written and read on the user-interface thread only.
bool quitRequested = false;

}  // namespace

void RequestQuit() {
    quitRequested = true;
}
bool QuitRequested() {
    return quitRequested;
}
void ClearQuitRequest() {
    quitRequested = false;
}

}  // namespace tagmora
