#pragma once

namespace shrink2d {

class Form1;

// Gives every control of the window a name a screen reader can announce on its own ("杀和值 10",
// not just "10"), a short description of what it does, also shown as its tooltip, and makes the
// frames named groupings.
void nameControls(Form1& form);

} // namespace shrink2d
