#pragma once

namespace brul {

class Editor;

// Applies the preset chosen in the editor (machine, controller and variant) to the
// editor's controls and writes the direct settings the preset needs.
void SettForvalg(Editor& e);

}  // namespace brul
