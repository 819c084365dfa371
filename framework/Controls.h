#pragma once
// The framework's control wrappers, splitter, control bars, property sheets, common dialogs, OLE data transfer, MDI.
