#pragma once

namespace velnar::app {

// What the editor's command line asks for before any window opens. Options
// of its own are --help and --version; anything else is left to Qt, which
// takes its own (for example -platform).
enum class EditorRequest { Run, Help, Version };

extern const char* const kEditorUsage;

EditorRequest EditorRequestOf(int argc, const char* const* argv);

// The message file to open at start: the first argument that is no option,
// once Qt has taken its own; null when there is none. "--" ends the options.
const char* EditorFileArgument(int argc, const char* const* argv);

}  // namespace velnar::app
