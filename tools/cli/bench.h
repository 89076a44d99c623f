// torvo-cli bench: a fixed set of positions searched to a fixed depth; the
// node total is the search's signature, the rate its speed.
#pragma once

int RunBench(int argc, char** argv);
