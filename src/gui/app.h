#pragma once
// The desktop editor: start-up and the window event loop.
namespace brul::gui {

// Runs the window program; returns the process exit code.
int Kjor(int argc, char** argv);

}  // namespace brul::gui
