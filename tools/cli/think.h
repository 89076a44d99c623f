// torvo-cli think: the computer's move for a position, found as the program finds it.
#pragma once

int RunThink(int argc, char** argv);
