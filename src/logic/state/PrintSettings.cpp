#include "logic/state/PrintSettings.h"

#include "logic/files/SettingsFiles.h"
#include "logic/state/SharedState.h"

void loadPrintSettings(const WorkDir &dir, SharedState &state)
{
    // The size and the shape go into the state together, once both are read.
    const settings::EnvelopeSize size =
        readingWorkDirFile(settings::EnvelopeSizeFile, [&] { return settings::readEnvelopeSize(dir); });
    const EnvelopeShape shape =
        readingWorkDirFile(settings::EnvelopeShapeFile, [&] { return settings::readEnvelopeShape(dir); });
    state.setEnvelope(shape, size.width, size.height);
    loadPrintFonts(dir, state);
}

void loadPrintFonts(const WorkDir &dir, SharedState &state)
{
    state.setSenderFont(readingWorkDirFile(settings::SenderFontFile, [&] { return settings::readSenderFont(dir); }));
    state.setRecipientFont(
        readingWorkDirFile(settings::RecipientFontFile, [&] { return settings::readRecipientFont(dir); }));
}
