#include "logic/state/PrintSettings.h"

#include "logic/files/SettingsFiles.h"
#include "logic/state/SharedState.h"

void loadPrintSettings(const WorkDir &dir, SharedState &state)
{
    // The size and the shape go into the state together, once both are read.
    const settings::EnvelopeSize size =
        readingWorkDirFile(settings::ParfileFile, [&] { return settings::readParfile(dir); });
    const int shape = readingWorkDirFile(settings::EnvtipFile, [&] { return settings::readEnvtip(dir); });
    state.setEnvelope(shape, size.width, size.height);
    loadPrintFonts(dir, state);
}

void loadPrintFonts(const WorkDir &dir, SharedState &state)
{
    state.setSenderFont(readingWorkDirFile(settings::HomeFontFile, [&] { return settings::readHomeFont(dir); }));
    state.setRecipientFont(readingWorkDirFile(settings::AddrFontFile, [&] { return settings::readAddrFont(dir); }));
}
