#pragma once
// The framework's application, commands, windows, frames, views, documents, dialogs.
