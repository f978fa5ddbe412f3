#pragma once
// The command line: `brulini [--ini FIL] [--svar TITTEL=SVAR]... KOMMANDO ARGUMENTER...`.
// It drives the same core as the window, answers questions from --svar, and
// needs no display.
#include <iosfwd>
#include <string>
#include <vector>

namespace brul {
class SkriptOperator;
}

namespace brul::cli {

// True when the arguments name a sub-command (the process is the command line);
// false for the window (no arguments, or only options such as --ini FILE).
bool ErKommandolinje(int argc, char** argv);
// Runs the command line; returns the exit status: 0 success, 1 a reported
// failure, 2 a usage error.
int Kjor(int argc, char** argv);

// What a sub-command gets: its own arguments (after the command's name), the
// scripted operator, and the output streams.
struct Kontekst {
  std::vector<std::string> args;
  SkriptOperator& op;
  std::ostream& ut;
  std::ostream& feil;
};

// Thrown by a sub-command for a usage error (exit status 2); the message is
// printed before the usage text.
struct BrukFeil {
  std::string tekst;
};

}  // namespace brul::cli
