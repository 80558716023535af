#pragma once

namespace shrink2d {

class Form1;

// Gives every control of the window a name a screen reader can announce on its own, its row's
// caption before its own ("一位 3", not just "3"), a short description of what it does, also shown
// as its tooltip, and makes the frames named groupings. The condition rows' texts come from the
// condition catalogue, the others from form/descriptions.h.
void nameControls(Form1& form);

} // namespace shrink2d
