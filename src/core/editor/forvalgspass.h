#pragma once
// The preset pass OK runs while a preset is armed (a controller or variant
// chosen since the last load or save): it turns the chosen controller and
// variant into the pages' values. The editor knows no controller; the presets
// register the pass at start-up.
#include <functional>

namespace brul {

class Editor;

using Forvalgspass = std::function<void(Editor&)>;

// Registers the pass; a later registration replaces an earlier one.
void RegistrerForvalgspass(Forvalgspass pass);
// Runs the registered pass on the editor. A program that arms a preset without
// having registered one is built wrongly: it throws std::logic_error rather
// than save the armed preset without its values.
void KjorForvalgspass(Editor& e);

}  // namespace brul
