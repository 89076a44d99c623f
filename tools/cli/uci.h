// torvo-cli uci: the Universal Chess Interface on standard input and output.
#pragma once

int RunUci(int argc, char** argv);
