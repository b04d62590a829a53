#pragma once

// Registers the application's pictures; they live in a static library, where nothing else
// would pull them in. Safe to call more than once.
void initCaptureResources();
