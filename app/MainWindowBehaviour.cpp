// The user's window commands.
#include "app/Umain.h"

void TfMainMem::SkinButton4Click(TObject*) { exit_appli(); }
