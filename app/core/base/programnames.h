// The program's and its maker's names and its file type, as plain defines:
// besides the C++ code, the Windows resource compiler and the setup script read them.
#pragma once

#define TORVO_APP_NAME "torvo"
#define TORVO_VENDOR_NAME "Halvorn IT"
#define TORVO_COPYRIGHT_LINE "Copyright (C) Halvorn IT"

#define TORVO_FILE_EXTENSION ".pgn"
#define TORVO_FILE_TYPE_ID "Torvo.Document"
#define TORVO_FILE_TYPE_NAME "SchachSpiel"
