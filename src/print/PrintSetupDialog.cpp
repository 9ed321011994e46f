#include "PrintSetupDialog.h"

void PrintSetup(AppContext &) {}
