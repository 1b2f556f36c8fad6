#pragma once

#include "ui/sharedwindow.h"
#include "windows/links.h"


namespace zt {

class HiddenBox;

// The notes window "Cerca": the recorded spins that carry a note.  Its buttons
// only hide it, so it keeps the list read when it was created; its close box
// destroys it and the next opening reads the list afresh.
class NotesWindow : public SharedWindow {
    Q_OBJECT
public:
    explicit NotesWindow(Links& links);

private:
    // "Conferma" and a click in the grid: hands the chosen row to the viewer.
    void conferma();

    Links& links_;
    HiddenBox* Text7 = nullptr; // the current row's id
};

} // namespace zt
