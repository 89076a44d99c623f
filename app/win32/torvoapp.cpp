#include "app/win32/torvoapp.h"

int CTorvoApp::Run(HINSTANCE, int) { return 0; }
