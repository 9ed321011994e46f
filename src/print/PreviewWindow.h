#pragma once

struct AppContext;

// Builds and shows a new preview window without waiting ("Preview" of the group mailing window).
void previewshow(AppContext &ctx);
