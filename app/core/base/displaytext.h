// German display form of the internal English status and result texts.
#pragma once

const char* DisplayText(const char* text);
