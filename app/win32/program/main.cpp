// Entry point of the Windows program.
#include "app/win32/torvoapp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) { return CTorvoApp::Run(instance, show); }
