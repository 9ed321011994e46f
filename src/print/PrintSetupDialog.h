#pragma once

struct AppContext;

// Builds a new print setup dialog and shows it without waiting ("Печать" of the group mailing window).
void PrintSetup(AppContext &ctx);
