#include "logic/state/PrintSettings.h"

#include "logic/files/SettingsFiles.h"
#include "logic/state/SharedState.h"

void loadPrintSettings(const WorkDir &dir, SharedState &state)
{
    const settings::EnvelopeSize size =
        readingWorkDirFile(settings::ParfileFile, [&] { return settings::readParfile(dir); });
    state.setEnvelopeSize(size.width, size.height);
    state.setEnvelope(readingWorkDirFile(settings::EnvtipFile, [&] { return settings::readEnvtip(dir); }),
                      state.envelopeWidth(), state.envelopeHeight());
    loadPrintFonts(dir, state);
}

void loadPrintFonts(const WorkDir &dir, SharedState &state)
{
    state.setSenderFont(readingWorkDirFile(settings::HomeFontFile, [&] { return settings::readHomeFont(dir); }));
    state.setRecipientFont(readingWorkDirFile(settings::AddrFontFile, [&] { return settings::readAddrFont(dir); }));
}
