#include "PreviewWindow.h"

void previewshow(AppContext &) {}
