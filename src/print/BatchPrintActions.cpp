#include "PrintActions.h"

#include "app/AppContext.h"

void PrintSelection(AppContext &, const SelectionList &, int) {}
void drucke(AppContext &) {}
