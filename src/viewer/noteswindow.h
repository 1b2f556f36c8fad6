#pragma once

#include "app/sharedwindow.h"

namespace zt {

// The notes window "Cerca": the recorded spins that carry a note.  Its buttons
// only hide it, so it keeps the list read when it was created; its close box
// destroys it and the next opening reads the list afresh.
class NotesWindow : public SharedWindow {
    Q_OBJECT
public:
    NotesWindow();

private:
    void conferma();
};

} // namespace zt
