#pragma once

namespace velnar::app {

// Lets --help and --version print where the operator typed them. On Windows
// the editor is a windowed program with no console of its own: its output
// goes to the console of the program that started it, where there is one,
// unless it was sent to a file or a pipe. Elsewhere standard output is
// already the terminal.
void UseParentConsole();

}  // namespace velnar::app
