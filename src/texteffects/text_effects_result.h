#pragma once
// What the text effects dialog and the colour pickers give back to whoever
// opened them: the types the windows seam hands over.

#include "app/windows.h"
