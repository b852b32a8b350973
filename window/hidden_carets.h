// Keeps from assistive technology the caret and selection moves of text fields that are not on
// screen. A dialog sets its field up before it shows it; a screen reader that is behind reads such
// a move only once the field has the focus, takes it for the field's coming into view and follows it
// in silence, and then has nothing to say when the focus comes: Orca did so after a refused value on
// a busy machine.
#pragma once

// Installed once, in front of any accessibility update handler already installed.
void keepHiddenCaretsFromReaders();
