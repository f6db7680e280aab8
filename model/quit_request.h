#pragma once
// The process-wide quit request: raised by the Version Check when the user goes to fetch a newer version,
// read by the Main Window's timer (and the Setup Dialog), which then close. Only start-up lowers it.

namespace tagmora {

void RequestQuit();
bool QuitRequested();
// Start-up only: a fresh process begins without a quit request.
void ClearQuitRequest();

}  // namespace tagmora
