// Numbers of the resources in torvo.exe, shared by the resource script and
// the code that loads them (so plain defines: the resource compiler reads them too).
#pragma once

// The program's icon; the about box shows it under its second number.
#define TORVO_IDI_PROGRAM 128
#define TORVO_IDI_ABOUT 131
// The icon of the program's .pgn files in the shell.
#define TORVO_IDI_DOCUMENT 129
// The application's name in the string table.
#define TORVO_IDS_APP_NAME 57344
