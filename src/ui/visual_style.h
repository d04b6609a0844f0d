// The flat look of the standard controls of the GUI thread.
#pragma once

// Schemes 1 to 3 draw the push buttons, check boxes, radio buttons, group
// boxes, bordered edit boxes, combo boxes with their drop-down lists and
// up-down controls of this thread in the flat look, those that exist now and
// those created later; any other value gives every control its own look back.
// Returns 1 when the flat look is in force afterwards.
int ApplyVisualStyle(int scheme);
