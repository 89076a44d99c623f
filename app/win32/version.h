// The version record of torvo.exe, as plain defines: the resource script, the
// setup script (through CMake) and the code share them.
#pragma once

#define TORVO_FILE_VERSION_MAJOR 1
#define TORVO_FILE_VERSION_MINOR 0
#define TORVO_FILE_VERSION_PATCH 0
#define TORVO_FILE_VERSION_BUILD 1

#define TORVO_PRODUCT_VERSION_MAJOR 3
#define TORVO_PRODUCT_VERSION_MINOR 0
#define TORVO_PRODUCT_VERSION_PATCH 0
#define TORVO_PRODUCT_VERSION_BUILD 1

#define TORVO_FILE_DESCRIPTION "Torvo Schachprogramm"
#define TORVO_COMMENTS "Schachprogramm"
#define TORVO_PRODUCT_NAME "torvo Application"

// German (Germany), and the record's texts in Unicode.
#define TORVO_VERSION_LANGUAGE 0x0407
#define TORVO_VERSION_CODEPAGE 1200

// The numbers once more as text ("1.0.0.1"), made from the same defines.
#define TORVO_VERSION_TEXT_(a, b, c, d) #a "." #b "." #c "." #d
#define TORVO_VERSION_TEXT(a, b, c, d) TORVO_VERSION_TEXT_(a, b, c, d)
#define TORVO_FILE_VERSION_TEXT                                                                   \
    TORVO_VERSION_TEXT(TORVO_FILE_VERSION_MAJOR, TORVO_FILE_VERSION_MINOR, TORVO_FILE_VERSION_PATCH, \
                       TORVO_FILE_VERSION_BUILD)
#define TORVO_PRODUCT_VERSION_TEXT                                                                         \
    TORVO_VERSION_TEXT(TORVO_PRODUCT_VERSION_MAJOR, TORVO_PRODUCT_VERSION_MINOR, TORVO_PRODUCT_VERSION_PATCH, \
                       TORVO_PRODUCT_VERSION_BUILD)
